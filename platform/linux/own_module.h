#pragma once

#include <memory>
#include <string>

// A shared module of the program's own (next to the binary, or in ../lib/zeitfang/ when
// installed), loaded when first needed: its libraries then cost the start-up nothing.
class OwnModule {
  public:
    explicit OwnModule(std::string fileName) : m_fileName(std::move(fileName)) {}

    // The factory `name` of the module, which returns a new object the caller owns; null when
    // the module or the factory is missing, which is said once in the log (standard error).
    template <class T> std::unique_ptr<T> make(const char* name) {
        auto* factory = reinterpret_cast<T* (*)()>(symbol(name));
        return std::unique_ptr<T>(factory ? factory() : nullptr);
    }

  private:
    struct Closer {
        void operator()(void* handle) const;
    };
    void* symbol(const char* name);

    std::string m_fileName;
    std::unique_ptr<void, Closer> m_handle;
    bool m_failed = false;
};
