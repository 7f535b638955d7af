#pragma once

#include <QString>

// The main window's copy of the settings that several parts read.
struct SettingsSnapshot {
    bool StartsWithHomePage = false;
    bool StopAutoPopup = false;
    bool ShowPictures = false;
    bool PlayVideos = false;
    bool PlaySounds = false;
    bool EnableActiveX = false;
    bool EnableScripts = false;
    bool EnableJavaApplets = false;
    bool NewFavorite = false;
    bool NewHistory = false;
    bool NewAddress = false;
    bool PopupForeground = false;
    bool MClickClose = false;
    bool LDbClickClose = false;
    bool EnableRecentPages = false;
    bool WebPageAutoComplete = false;
    bool EnableTrayIcon = false;
    bool MinimizeToTray = false;
    bool CloseToTray = false;
    bool ProgramEMailClient = false;
    bool AlwaysClearWhenExit = false;
    bool ClearAddress = false;
    bool ClearRecent = false;
    bool ClearPasswords = false;
    bool ClearCoockies = false;
    bool ClearHistory = false;
    bool ClearTemp = false;
    bool OpenMax = false;
    int ActionWhenExit = 0;
    int DefaultNewPage = 0;
    QString EMailClient;
};
