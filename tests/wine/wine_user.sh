# Sourced by every script that runs Wine: the Windows user of the test prefix. Wine names the
# user, and so the profile folder C:\users\<name>, after $USER. The name holds characters that
# no ANSI code page holds together, so every suite runs in a profile folder such as a user
# named so would have.
export USER='Usuário 用户'
