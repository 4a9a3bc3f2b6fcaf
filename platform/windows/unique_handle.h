#pragma once

#include <utility>

// Owns one Windows handle and gives it back with its release function when it goes.
template <typename Handle, auto Release> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Handle{}; }
    Handle release() { return std::exchange(m_handle, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (m_handle != Handle{})
            Release(m_handle);
        m_handle = handle;
    }

  private:
    Handle m_handle{};
};
