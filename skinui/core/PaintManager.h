// CPaintManagerUI: ties a window to its control tree. Its static part holds
// the process-wide resource location that every skin and image read uses.
#pragma once

#include <windows.h>

#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class CZipArchive;

class SKINUI_API CPaintManagerUI {
public:
    // Module whose resources ("ZIPRES", "xml") skins may come from.
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE Instance();

    // Folder of skin files; a "\" is appended when it ends in neither "\" nor "/".
    static void SetResourcePath(const char* path);
    static const CSkinString& ResourcePath();

    // A zip file under the resource path; `cached` keeps it open from now on.
    static void SetResourceZip(const char* name, bool cached = false);
    // An archive in memory ("membuffer"), kept for the life of the process;
    // the first one stays. The bytes must stay valid.
    static void SetResourceZip(const void* bytes, unsigned size);
    static const CSkinString& ResourceZip();
    static bool IsZipCached();
    // The open archive when the zip is cached, else null.
    static CZipArchive* ZipHandle();
};

}  // namespace SkinUI
