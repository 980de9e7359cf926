// Export and import of the toolkit's classes: SkinUI.dll exports them, the
// store client imports them, the installer plug-in links them in statically.
#pragma once

#if defined(SKINUI_STATIC)
#define SKINUI_API
#elif defined(SKINUI_EXPORTS)
#define SKINUI_API __declspec(dllexport)
#else
#define SKINUI_API __declspec(dllimport)
#endif
