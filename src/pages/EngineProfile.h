#pragma once

class QWebEngineProfile;

// The one persistent web engine profile that every page shares: cookies, cache
// and storage in the per-user data and cache folders.
QWebEngineProfile* EngineProfile();
