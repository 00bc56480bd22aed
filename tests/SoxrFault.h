#pragma once
// Fault injection into libsoxr: while a CSoxrFailure lives, every
// soxr_process call of this test program fails as the library reports errors.

class CSoxrFailure {
public:
    CSoxrFailure();
    ~CSoxrFailure();
};
