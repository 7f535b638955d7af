#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class Commands;
class QComboBox;
class QCompleter;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class TfrmPage;

// What the address bar needs of the main window.
class AddressHost {
public:
    virtual ~AddressHost() = default;
    virtual int PageCount() const = 0;
    virtual TfrmPage* ActivePage() const = 0; // nullptr when none
    virtual TfrmPage* NewPage(bool asPopup, bool foreground) = 0;
    virtual bool NewAddressSetting() const = 0; // the NewAddress setting
};

// The address bar panel: the label, the address box over the typed-address list,
// and the Go bar at the right end. It opens addresses in the active page or a new
// one and runs the new-page commands.
class AddressBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxTypedUrls = 25;
    static constexpr int MaxTypedUrlLength = 2048;
    static constexpr int MaxClipboardAddress = 254;
    static constexpr int TypingInterval = 2000;

    AddressBar(AddressHost& host, const Commands& commands, QWidget* parent = nullptr);

    QComboBox* cbAddress() const { return cbAddress_; }
    QLabel* lblAddress() const { return lblAddress_; }
    void addGoBar(QWidget* goBar);

    // True while the user types, so that pages leave the box's text alone.
    bool AddressTyping() const { return AddressTyping_; }
    // Reads the typed-address list again and shows its first entry.
    void ReloadTypedUrls();

    void cbAddressKeyDown(QKeyEvent* event);
    void cbAddressUrlSelected(const QString& address);
    void TATimerTimer();

    void actOpenAddressExecute();
    void actOpenAddressNewExecute();
    void actGoFromClipboardExecute();
    void actNewBlankExecute();
    void actNewCurrentExecute();
    void actNewHomepageExecute();
    void actNewClipboardExecute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QStringList readTypedUrls();
    void writeTypedUrls() const;
    void setItems(const QStringList& urls);
    // Moves the address to the top of the list and writes the list back.
    void remember(const QString& address);
    // Enter with the list closed: the box's own completion, recording and opening.
    void acceptTyped();
    void pickItem(const QString& item);
    static QString clipboardAddress();
    TfrmPage* newPage();

    AddressHost& host_;
    QHBoxLayout* layout_;
    QLabel* lblAddress_;
    QComboBox* cbAddress_;
    QCompleter* completer_;
    QTimer TATimer{this};
    QStringList urls_;
    bool AddressTyping_ = false;
    bool listOpen_ = false;
};
