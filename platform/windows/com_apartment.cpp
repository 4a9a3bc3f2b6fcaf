#include "platform/windows/com_apartment.h"

#include <objbase.h>

#include "platform/windows/system_function.h"

ComApartment::~ComApartment() {
    if (m_joined)
        if (auto* leave = systemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize"))
            leave();
}

bool ComApartment::join() {
    if (!m_tried) {
        m_tried = true;
        // The shell's COM components want a single-threaded apartment without OLE 1 DDE.
        m_joined = SUCCEEDED(callSystem<decltype(CoInitializeEx)>(
            L"ole32.dll", "CoInitializeEx", E_FAIL, nullptr,
            COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    return m_joined;
}
