#pragma once

#include <QSize>
#include <QString>

// Every key of the settings file; the table in SettingsStore.cpp gives each its
// name on disk and its default, and is the only place where defaults live.
enum class Setting {
    ActionWhenExit,
    AddressBar,
    AlwaysClearWhenExit,
    ButtonsBar,
    CheckDefault,
    ClearAddress,
    ClearCoockies,
    ClearHistory,
    ClearPasswords,
    ClearRecent,
    ClearTemp,
    CloseToTray,
    DefaultNewPage,
    EMailClient,
    EnableActiveX,
    EnableJavaApplets,
    EnableRecentPages,
    EnableScripts,
    EnableTrayIcon,
    FavoritesBand,
    Height,
    HistoryBand,
    LDbClickClose,
    Left,
    Linksbar,
    MClickClose,
    Maximized,
    MinimizeToTray,
    NewAddress,
    NewFavorite,
    NewHistory,
    OpenMax,
    PlaySounds,
    PlayVideos,
    PopupForeground,
    ProgramEMailClient,
    ProperlyClosed,
    SearchBand,
    ShowPictures,
    ShowTips,
    SideBar,
    StartsWithHomePage,
    StatusBar,
    StopAutoPopup,
    TabsBar,
    Top,
    WebPageAutoComplete,
    Width,
};

// "yes" for true, "否" for false: the way every boolean is stored.
QString SettingYesNo(bool flag);

// The section "Corvane Settings" of corvane.ini in the program folder. Nothing is
// cached: every call reads or writes the file, and reading a missing key stores its
// default. A write the system refuses throws ProgramError("Unable to write to <path>");
// a default that cannot be stored is reported once, in the standard error box, and
// read as the value.
class SettingsStore {
public:
    // The screen size gives the window geometry defaults.
    SettingsStore(const QString& programFolder, QSize screen);

    const QString& path() const { return path_; }

    static QString keyName(Setting key);
    QString defaultValue(Setting key) const;

    QString ReadSetting(Setting key) const;
    void WriteSetting(Setting key, const QString& value) const;

    // On only when the stored text is exactly "yes".
    bool ReadFlag(Setting key) const;
    void WriteFlag(Setting key, bool flag) const;
    // Text that is no whole number gives the key's default, and is handed back
    // through invalidText when asked for.
    int ReadInteger(Setting key, QString* invalidText = nullptr) const;
    void WriteInteger(Setting key, int value) const;

private:
    QString unableToWrite() const;

    QString path_;
    QSize screen_;
    mutable bool readFailureReported_ = false;
};
