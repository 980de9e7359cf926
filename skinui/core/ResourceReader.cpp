// Skin file bytes from a folder or a zip archive.
#include "skinui/core/ResourceReader.h"

#include <windows.h>

#include "skinui/core/PaintManager.h"
#include "skinui/core/UniqueHandle.h"
#include "skinui/core/ZipArchive.h"

namespace SkinUI {
namespace detail {

ReadResult ReadWholeFile(const char* path, size_t maxSize, std::vector<char>& out) {
    out.clear();
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return ReadResult::CannotOpenFile;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) return ReadResult::ShortRead;
    if (size.QuadPart == 0) return ReadResult::Empty;
    if (static_cast<unsigned long long>(size.QuadPart) > maxSize) return ReadResult::TooLarge;
    out.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), out.data(), static_cast<DWORD>(out.size()), &read, nullptr) ||
        read != out.size()) {
        out.clear();
        return ReadResult::ShortRead;
    }
    return ReadResult::Ok;
}

ReadResult ReadFromResourceLocation(const char* name, size_t maxSize, std::vector<char>& out) {
    out.clear();
    const CSkinString& zipName = CPaintManagerUI::ResourceZip();
    if (zipName.IsEmpty()) {
        CSkinString path = CPaintManagerUI::ResourcePath();
        path += name;
        return ReadWholeFile(path, maxSize, out);
    }

    CZipArchive opened;
    CZipArchive* zip = CPaintManagerUI::IsZipCached() ? CPaintManagerUI::ZipHandle() : nullptr;
    if (!CPaintManagerUI::IsZipCached()) {
        CSkinString path = CPaintManagerUI::ResourcePath();
        path += zipName;
        if (opened.OpenFile(path)) zip = &opened;
    }
    if (!zip) return ReadResult::CannotOpenZip;
    switch (zip->Extract(name, maxSize, out)) {
        case CZipArchive::Result::Ok: return ReadResult::Ok;
        case CZipArchive::Result::NotFound: return ReadResult::NotInZip;
        case CZipArchive::Result::Empty: return ReadResult::Empty;
        case CZipArchive::Result::TooLarge: return ReadResult::TooLarge;
        case CZipArchive::Result::Corrupt: break;
    }
    return ReadResult::CannotUnzip;
}

}  // namespace detail
}  // namespace SkinUI
