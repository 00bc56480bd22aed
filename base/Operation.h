#pragma once
// What a long operation (export, import, backup, restore, firmware update)
// shares with the face that runs it: the user's cancel, which the operation
// sees at its next chunk boundary, and an event loop that keeps running
// between its steps, so the window repaints and takes the cancel click.

// Asks the running operation to stop at its next chunk boundary. Safe to
// call from a signal handler.
void RequestCancel();
// Whether a cancel was asked for since the operation began.
bool CancelRequested();
// The start of an operation: no cancel asked for yet.
void ClearCancel();

// A stretch of an operation that must not be cut short once it began (a
// firmware update's erase and write). While one runs, Cancellable() is
// false and the faces refuse a cancel.
class CUncancellable {
public:
    CUncancellable();
    ~CUncancellable();
    CUncancellable(const CUncancellable&) = delete;
    CUncancellable& operator=(const CUncancellable&) = delete;
};
bool Cancellable();

// Lets the event loop handle what is pending (paint, clicks, progress
// events); a no-op without an application object.
void KeepResponsive();
// Between two chunks of an operation: the event loop runs, and false when
// a cancel was asked for.
bool ContinueOperation();
