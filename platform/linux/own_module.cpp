#include "platform/linux/own_module.h"

#include <dlfcn.h>

#include <QtGlobal>
#include <filesystem>

void OwnModule::Closer::operator()(void* handle) const {
    dlclose(handle);
}

void* OwnModule::symbol(const char* name) {
    if (!m_handle && !m_failed) {
        std::error_code error;
        const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
        for (const auto& candidate :
             {folder / m_fileName, folder / ".." / "lib" / "zeitfang" / m_fileName}) {
            // Kept loaded to the end: its objects and Qt's hold on its classes outlive any use.
            m_handle.reset(dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
            if (m_handle)
                break;
        }
        m_failed = !m_handle;
        if (m_failed)
            // Through Qt's log, which the silent "-time" mode turns off.
            qWarning("zeitfang: Modul %s nicht ladbar: %s", m_fileName.c_str(), dlerror());
    }
    return m_handle ? dlsym(m_handle.get(), name) : nullptr;
}
