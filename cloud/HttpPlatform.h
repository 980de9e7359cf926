// The platform calls the HTTP transport makes, as a table of function
// pointers filled with the real ones by default, so tests can make them fail.
#pragma once

#include <windows.h>
#include <wininet.h>

struct HttpPlatform {
    decltype(&::InternetOpenA) InternetOpenA = ::InternetOpenA;
    decltype(&::InternetSetOptionA) InternetSetOptionA = ::InternetSetOptionA;
    decltype(&::InternetQueryOptionA) InternetQueryOptionA = ::InternetQueryOptionA;
    decltype(&::InternetConnectA) InternetConnectA = ::InternetConnectA;
    decltype(&::HttpOpenRequestA) HttpOpenRequestA = ::HttpOpenRequestA;
    decltype(&::HttpAddRequestHeadersA) HttpAddRequestHeadersA = ::HttpAddRequestHeadersA;
    decltype(&::HttpSendRequestA) HttpSendRequestA = ::HttpSendRequestA;
    decltype(&::HttpQueryInfoA) HttpQueryInfoA = ::HttpQueryInfoA;
    decltype(&::InternetReadFile) InternetReadFile = ::InternetReadFile;
    decltype(&::InternetQueryDataAvailable) InternetQueryDataAvailable = ::InternetQueryDataAvailable;
    decltype(&::InternetCloseHandle) InternetCloseHandle = ::InternetCloseHandle;
    decltype(&::LoadLibraryA) LoadLibraryA = ::LoadLibraryA;
    decltype(&::GetProcAddress) GetProcAddress = ::GetProcAddress;
    decltype(&::FreeLibrary) FreeLibrary = ::FreeLibrary;

    // The real functions.
    static const HttpPlatform& System();
};
