// The process-wide resource location of CPaintManagerUI.
#include <cstring>

#include "skinui/core/PaintManager.h"
#include "skinui/core/ZipArchive.h"

namespace SkinUI {
namespace {

constexpr const char* kMemoryZipName = "membuffer";

struct ResourceLocation {
    HINSTANCE instance = nullptr;
    CSkinString path;
    CSkinString zipName;
    bool zipCached = false;
    CZipArchive zip;  // open while cached
};

ResourceLocation& Location() {
    static ResourceLocation location;
    return location;
}

}  // namespace

void CPaintManagerUI::SetInstance(HINSTANCE instance) {
    Location().instance = instance;
}

long CPaintManagerUI::LiveHandles(HandleKind kind) {
    return LiveHandleCount(kind);
}

HINSTANCE CPaintManagerUI::Instance() {
    return Location().instance;
}

void CPaintManagerUI::SetResourcePath(const char* path) {
    CSkinString& stored = Location().path;
    stored = path;
    const int length = stored.Length();
    if (length > 0 && stored.CharAt(length - 1) != '\\' && stored.CharAt(length - 1) != '/')
        stored += '\\';
}

const CSkinString& CPaintManagerUI::ResourcePath() {
    return Location().path;
}

void CPaintManagerUI::SetResourceZip(const char* name, bool cached) {
    ResourceLocation& location = Location();
    if (location.zipName == (name ? name : "") && location.zipCached == cached) return;
    location.zip.Close();
    location.zipName = name;
    location.zipCached = cached;
    if (cached) {
        CSkinString path = location.path;
        path += name;
        location.zip.OpenFile(path);
    }
}

void CPaintManagerUI::SetResourceZip(const void* bytes, unsigned size) {
    ResourceLocation& location = Location();
    if (location.zipName == kMemoryZipName) return;
    location.zip.Close();
    location.zipName = kMemoryZipName;
    location.zipCached = true;
    location.zip.OpenMemory(bytes, size);
}

const CSkinString& CPaintManagerUI::ResourceZip() {
    return Location().zipName;
}

bool CPaintManagerUI::IsZipCached() {
    return Location().zipCached;
}

CZipArchive* CPaintManagerUI::ZipHandle() {
    ResourceLocation& location = Location();
    return location.zipCached && location.zip.IsOpen() ? &location.zip : nullptr;
}

}  // namespace SkinUI
