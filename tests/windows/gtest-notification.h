#pragma once

// GoogleTest's own Notification, which its Windows threads wait on, is built
// on std::mutex, and mingw-w64's win32 thread model has none. This one waits
// on a Windows event; every source of GoogleTest and of the tests sees it
// first (-include), and GTEST_HAS_NOTIFICATION_ keeps GoogleTest's out.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event); }
    Notification(const Notification &) = delete;
    Notification &operator=(const Notification &) = delete;

    void Notify() { SetEvent(event); }
    void WaitForNotification() { WaitForSingleObject(event, INFINITE); }

private:
    HANDLE event;
};

} // namespace testing::internal
