// Open and save dialogs. The record's zero-separated blocks are converted piece by piece, since
// the code page conversion stops at nothing but the length it is given.
#include "platform/win32/win32_file_dialogs.hpp"

#include "platform/win32/lazy_library.hpp"
#include "platform/win32/wide_text.hpp"

#include <commdlg.h>

namespace cuepad::win32 {

int Win32FileDialogs::showFileDialog(platform::FileDialogCall& call) {
    const std::wstring filter = toWide(call.filterBlock);
    const std::wstring title = toWide(call.title);
    const std::wstring folder = toWide(call.initialFolder);
    const std::optional<std::wstring> extension =
        call.defaultExtension ? std::optional<std::wstring>(toWide(*call.defaultExtension)) : std::nullopt;
    // The buffer keeps its length in characters: the proposed names, then zeros.
    std::wstring buffer = toWide(call.fileBuffer);
    if (buffer.size() < call.fileBuffer.size()) buffer.resize(call.fileBuffer.size(), L'\0');

    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = call.owner != nullptr ? ownerHandle_(*call.owner) : nullptr;
    record.hInstance = GetModuleHandleW(nullptr);
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = static_cast<DWORD>(call.filterIndex);
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    record.lpstrTitle = title.c_str();
    record.Flags = call.flags;
    record.lpstrDefExt = extension ? extension->c_str() : nullptr;

    const auto show = call.save ? CUEPAD_LAZY(L"comdlg32.dll", GetSaveFileNameW) : CUEPAD_LAZY(L"comdlg32.dll", GetOpenFileNameW);
    const BOOL result = show != nullptr && show(&record);
    if (result) {
        // Up to the double zero that ends the result, then back to program text.
        const std::size_t end = buffer.find(std::wstring_view(L"\0\0", 2));
        call.fileBuffer = fromWide(std::wstring_view(buffer).substr(0, end == std::wstring::npos ? buffer.size() : end));
        call.fileBuffer.append(2, '\0');
    }
    return result ? 1 : 0;
}

}  // namespace cuepad::win32
