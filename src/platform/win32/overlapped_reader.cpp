#include "platform/win32/overlapped_reader.h"

#include "platform/win32/system_error.h"

namespace pelorin {

OverlappedReader::OverlappedReader(HANDLE file)
    : file_(file),
      done_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      cancelled_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

HidResult OverlappedReader::read(std::span<std::uint8_t> buffer) {
  if (!done_.valid() || !cancelled_.valid()) return HidResult::failed("no events for reading");
  if (::WaitForSingleObject(cancelled_.get(), 0) == WAIT_OBJECT_0) {
    return HidResult::failed("cancelled");
  }
  OVERLAPPED overlapped{};
  overlapped.hEvent = done_.get();
  ::ResetEvent(done_.get());
  DWORD got = 0;
  if (::ReadFile(file_, buffer.data(), static_cast<DWORD>(buffer.size()), &got, &overlapped) != 0) {
    return HidResult::done(got);
  }
  if (::GetLastError() != ERROR_IO_PENDING) return HidResult::failed(lastSystemMessage());
  const HANDLE waits[] = {done_.get(), cancelled_.get()};
  const DWORD woke = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  if (woke != WAIT_OBJECT_0) {
    // The read must be over before overlapped and buffer leave scope.
    ::CancelIoEx(file_, &overlapped);
    ::GetOverlappedResult(file_, &overlapped, &got, TRUE);
    return HidResult::failed("cancelled");
  }
  if (::GetOverlappedResult(file_, &overlapped, &got, FALSE) == 0) {
    return HidResult::failed(lastSystemMessage());
  }
  return HidResult::done(got);
}

void OverlappedReader::cancel() {
  ::SetEvent(cancelled_.get());
}

}  // namespace pelorin
