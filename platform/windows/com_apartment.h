#pragma once

// This thread's membership of a single-threaded COM apartment, joined at the first call that
// needs COM (the shell's "open", a screen reader's request) rather than at start: a start that
// never needs it loads no COM at all. Left, if joined, when it goes. One per owner and thread:
// COM counts the joins of a thread, so owners on the same thread need not know of each other.
class ComApartment {
  public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Joins on the first call; whether this thread is in an apartment COM calls can use.
    bool join();

  private:
    bool m_tried = false;
    bool m_joined = false;
};
