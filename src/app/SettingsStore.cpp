#include "app/SettingsStore.h"

#include "platform/MessageBoxes.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramError.h"

#include <array>

namespace {

const QString Section = QStringLiteral("Corvane Settings");
const QString Yes = QStringLiteral("yes");
const QString No = QStringLiteral("否");

enum class Kind { Flag, Integer, Text };

// Window geometry defaults follow the screen: a tenth of it as margin on each side.
enum class Computed { None, Left, Top, Width, Height };

struct Definition {
    Setting key;
    const char* name;
    Kind kind;
    const char* fixed; // UTF-8 default, unless computed
    Computed computed = Computed::None;
};

constexpr const char* On = "yes";
constexpr const char* Off = "否";

constexpr std::array<Definition, 48> Definitions{{
    {Setting::ActionWhenExit, "ActionWhenExit", Kind::Integer, "0"},
    {Setting::AddressBar, "AddressBar", Kind::Flag, On},
    {Setting::AlwaysClearWhenExit, "AlwaysClearWhenExit", Kind::Flag, Off},
    {Setting::ButtonsBar, "ButtonsBar", Kind::Flag, On},
    {Setting::CheckDefault, "CheckDefault", Kind::Flag, On},
    {Setting::ClearAddress, "ClearAddress", Kind::Flag, Off},
    {Setting::ClearCoockies, "ClearCoockies", Kind::Flag, Off},
    {Setting::ClearHistory, "ClearHistory", Kind::Flag, Off},
    {Setting::ClearPasswords, "ClearPasswords", Kind::Flag, Off},
    {Setting::ClearRecent, "ClearRecent", Kind::Flag, Off},
    {Setting::ClearTemp, "ClearTemp", Kind::Flag, Off},
    {Setting::CloseToTray, "CloseToTray", Kind::Flag, On},
    {Setting::DefaultNewPage, "DefaultNewPage", Kind::Integer, "1"},
    {Setting::EMailClient, "EMailClient", Kind::Text, "msimn.exe"},
    {Setting::EnableActiveX, "EnableActiveX", Kind::Flag, On},
    {Setting::EnableJavaApplets, "EnableJavaApplets", Kind::Flag, On},
    {Setting::EnableRecentPages, "EnableRecentPages", Kind::Flag, On},
    {Setting::EnableScripts, "EnableScripts", Kind::Flag, On},
    {Setting::EnableTrayIcon, "EnableTrayIcon", Kind::Flag, On},
    {Setting::FavoritesBand, "FavoritesBand", Kind::Flag, Off},
    {Setting::Height, "Height", Kind::Integer, nullptr, Computed::Height},
    {Setting::HistoryBand, "HistoryBand", Kind::Flag, Off},
    {Setting::LDbClickClose, "LDbClickClose", Kind::Flag, On},
    {Setting::Left, "Left", Kind::Integer, nullptr, Computed::Left},
    {Setting::Linksbar, "Linksbar", Kind::Flag, Off},
    {Setting::MClickClose, "MClickClose", Kind::Flag, On},
    {Setting::Maximized, "Maximized", Kind::Flag, On},
    {Setting::MinimizeToTray, "MinimizeToTray", Kind::Flag, Off},
    {Setting::NewAddress, "NewAddress", Kind::Flag, Off},
    {Setting::NewFavorite, "NewFavorite", Kind::Flag, Off},
    {Setting::NewHistory, "NewHistory", Kind::Flag, Off},
    {Setting::OpenMax, "OpenMax", Kind::Flag, On},
    {Setting::PlaySounds, "PlaySounds", Kind::Flag, On},
    {Setting::PlayVideos, "PlayVideos", Kind::Flag, On},
    {Setting::PopupForeground, "PopupForeground", Kind::Flag, On},
    {Setting::ProgramEMailClient, "ProgramEMailClient", Kind::Flag, On},
    {Setting::ProperlyClosed, "ProperlyClosed", Kind::Flag, On},
    {Setting::SearchBand, "SearchBand", Kind::Flag, Off},
    {Setting::ShowPictures, "ShowPictures", Kind::Flag, On},
    {Setting::ShowTips, "ShowTips", Kind::Flag, On},
    {Setting::SideBar, "SideBar", Kind::Flag, Off},
    {Setting::StartsWithHomePage, "StartsWithHomePage", Kind::Flag, On},
    {Setting::StatusBar, "StatusBar", Kind::Flag, On},
    {Setting::StopAutoPopup, "StopAutoPopup", Kind::Flag, On},
    {Setting::TabsBar, "TabsBar", Kind::Flag, On},
    {Setting::Top, "Top", Kind::Integer, nullptr, Computed::Top},
    {Setting::WebPageAutoComplete, "WebPageAutoComplete", Kind::Flag, On},
    {Setting::Width, "Width", Kind::Integer, nullptr, Computed::Width},
}};

constexpr bool tableFollowsEnum() {
    for (std::size_t i = 0; i < Definitions.size(); ++i)
        if (static_cast<std::size_t>(Definitions[i].key) != i)
            return false;
    return static_cast<std::size_t>(Setting::Width) + 1 == Definitions.size();
}
static_assert(tableFollowsEnum(), "one row per Setting, in the enum's order");

const Definition& definition(Setting key) {
    return Definitions[static_cast<std::size_t>(key)];
}

} // namespace

QString SettingYesNo(bool flag) {
    return flag ? Yes : No;
}

SettingsStore::SettingsStore(const QString& programFolder, QSize screen)
    : path_(programFolder + QStringLiteral("corvane.ini")), screen_(screen) {
}

QString SettingsStore::keyName(Setting key) {
    return QString::fromLatin1(definition(key).name);
}

QString SettingsStore::defaultValue(Setting key) const {
    const Definition& d = definition(key);
    const int w = screen_.width();
    const int h = screen_.height();
    switch (d.computed) {
    case Computed::None:
        return QString::fromUtf8(d.fixed);
    case Computed::Left:
        return QString::number(w / 10);
    case Computed::Top:
        return QString::number(h / 10);
    case Computed::Width:
        return QString::number(w - 2 * (w / 10));
    case Computed::Height:
        return QString::number(h - 2 * (h / 10));
    }
    return {};
}

QString SettingsStore::ReadSetting(Setting key) const {
    ProfileFile file(path_);
    if (auto stored = file.value(Section, keyName(key)))
        return *stored;
    const QString fallback = defaultValue(key);
    // A file that cannot take the default is reported once; the program runs on
    // with the defaults rather than stopping whatever was reading.
    if (!file.writeString(Section, keyName(key), fallback) && !readFailureReported_) {
        readFailureReported_ = true;
        MessageBoxes::current().reportError(unableToWrite());
    }
    return fallback;
}

void SettingsStore::WriteSetting(Setting key, const QString& value) const {
    if (!ProfileFile(path_).writeString(Section, keyName(key), value))
        throw ProgramError(unableToWrite());
}

QString SettingsStore::unableToWrite() const {
    return QStringLiteral("Unable to write to %1").arg(path_);
}

bool SettingsStore::ReadFlag(Setting key) const {
    Q_ASSERT(definition(key).kind == Kind::Flag);
    return ReadSetting(key) == Yes;
}

void SettingsStore::WriteFlag(Setting key, bool flag) const {
    WriteSetting(key, SettingYesNo(flag));
}

int SettingsStore::ReadInteger(Setting key, QString* invalidText) const {
    Q_ASSERT(definition(key).kind == Kind::Integer);
    bool ok = false;
    const QString text = ReadSetting(key);
    const int value = text.toInt(&ok, 10);
    if (ok)
        return value;
    if (invalidText)
        *invalidText = text;
    return defaultValue(key).toInt();
}

void SettingsStore::WriteInteger(Setting key, int value) const {
    WriteSetting(key, QString::number(value));
}
