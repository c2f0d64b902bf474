// Fontconfig keeps its configuration in process-wide caches that it never frees; the leak
// checker of sanitizer builds would report them at exit of every test that draws text.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
