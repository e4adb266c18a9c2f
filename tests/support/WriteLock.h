#pragma once

class TestProgram;

// A second connection holding the write lock of the program's database, with the program's
// connection reopened so that it gives up after `waitMs`. Released when it goes.
class WriteLock {
public:
    explicit WriteLock(TestProgram& program, int waitMs = 10);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
};
