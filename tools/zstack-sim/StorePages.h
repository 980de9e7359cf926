// The store's web pages, served beside the API so that the store client has
// a home and a search page on loopback.
#pragma once

#include "tools/loopback-http/LoopbackHttpServer.h"

// True for the GET requests under "/store".
bool IsStorePageRequest(const SeenRequest& request);

// The home page ("/store/") or the search page ("/store/search?q=..."); 404
// for anything else under "/store".
ServerReply StorePage(const SeenRequest& request);
