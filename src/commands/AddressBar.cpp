#include "commands/AddressBar.h"

#include "commands/Commands.h"
#include "pages/TfrmPage.h"
#include "platform/Registry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

const QString TypedUrlsKey = QStringLiteral("Software\\Microsoft\\Internet Explorer\\TypedURLs");

QString valueName(int number) {
    return QStringLiteral("Url") + QString::number(number);
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// An entry fit for the list and for a hive line; empty for one that is not.
// Undecodable bytes mark a binary value, which is no address.
QString cleaned(const QString& raw) {
    if (raw.size() > AddressBar::MaxTypedUrlLength || raw.contains(QChar::ReplacementCharacter))
        return {};
    QString text;
    text.reserve(raw.size());
    for (const QChar c : raw)
        if (c.category() != QChar::Other_Control)
            text += c;
    return text.trimmed();
}

} // namespace

AddressBar::AddressBar(AddressHost& host, const Commands& commands, QWidget* parent)
    : QWidget(parent), host_(host), layout_(new QHBoxLayout(this)),
      lblAddress_(new QLabel(QStringLiteral("地址:"), this)), cbAddress_(new QComboBox(this)),
      completer_(new QCompleter(this)) {
    setObjectName(QStringLiteral("bpAddress"));
    layout_->setContentsMargins(4, 2, 2, 2);
    layout_->setSpacing(4);

    lblAddress_->setObjectName(QStringLiteral("lblAddress"));
    lblAddress_->setBuddy(cbAddress_);
    layout_->addWidget(lblAddress_);

    cbAddress_->setObjectName(QStringLiteral("cbAddress"));
    cbAddress_->setEditable(true);
    cbAddress_->setInsertPolicy(QComboBox::NoInsert);
    cbAddress_->setMaxVisibleItems(16);
    cbAddress_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout_->addWidget(cbAddress_, 1);

    // Suggestions drop down under the text; nothing is appended to what the user types.
    completer_->setModel(cbAddress_->model());
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setMaxVisibleItems(16);
    cbAddress_->setCompleter(completer_);

    // Our filters go on last so that they see keys before the box and its lists do.
    cbAddress_->installEventFilter(this);
    cbAddress_->view()->installEventFilter(this);
    cbAddress_->view()->window()->installEventFilter(this);
    completer_->popup()->installEventFilter(this);

    connect(cbAddress_, &QComboBox::activated, this, [this](int index) {
        // The box also reports wheel turns and focus changes as activation.
        if (listOpen_) {
            listOpen_ = false;
            pickItem(cbAddress_->itemText(index));
        }
    });
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            &AddressBar::pickItem);

    TATimer.setObjectName(QStringLiteral("TATimer"));
    TATimer.setInterval(TypingInterval);
    TATimer.setSingleShot(true);
    connect(&TATimer, &QTimer::timeout, this, &AddressBar::TATimerTimer);

    const auto on = [&](const char* name, void (AddressBar::*handler)()) {
        connect(commands[name], &QAction::triggered, this, handler);
    };
    on("actGO", &AddressBar::actOpenAddressExecute);
    on("actOpenAddress", &AddressBar::actOpenAddressExecute);
    on("actOpenAddressNew", &AddressBar::actOpenAddressNewExecute);
    on("actGoFromClipboard", &AddressBar::actGoFromClipboardExecute);
    on("actNewBlank", &AddressBar::actNewBlankExecute);
    on("actNewCurrent", &AddressBar::actNewCurrentExecute);
    on("actNewHomepage", &AddressBar::actNewHomepageExecute);
    on("actNewClipboard", &AddressBar::actNewClipboardExecute);

    urls_ = readTypedUrls();
    setItems(urls_);
}

void AddressBar::addGoBar(QWidget* goBar) {
    layout_->addSpacing(3);
    layout_->addWidget(goBar);
}

void AddressBar::ReloadTypedUrls() {
    urls_ = readTypedUrls();
    setItems(urls_);
    cbAddress_->setEditText(urls_.value(0));
}

void AddressBar::cbAddressKeyDown(QKeyEvent* event) {
    if (isEnter(event)) {
        const Qt::KeyboardModifiers held =
            event->modifiers() | QGuiApplication::queryKeyboardModifiers();
        if (held & Qt::ControlModifier)
            cbAddress_->setEditText(QStringLiteral("http://www.") + cbAddress_->currentText() +
                                    QStringLiteral(".com"));
        AddressTyping_ = false;
        TATimer.stop();
        return;
    }
    AddressTyping_ = true;
    // A running timer keeps its deadline: the protection ends two seconds after the
    // first key of a run.
    if (!TATimer.isActive())
        TATimer.start();
}

void AddressBar::cbAddressUrlSelected(const QString& address) {
    const bool shift = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
    TfrmPage* page = nullptr;
    if (!host_.NewAddressSetting() && host_.PageCount() > 0 && !shift)
        page = host_.ActivePage();
    if (!page)
        page = newPage();
    page->NavigatePage(address);
}

void AddressBar::TATimerTimer() {
    AddressTyping_ = false;
    TATimer.stop();
}

void AddressBar::actOpenAddressExecute() {
    cbAddressUrlSelected(cbAddress_->currentText());
}

void AddressBar::actOpenAddressNewExecute() {
    newPage()->NavigatePage(cbAddress_->currentText());
}

void AddressBar::actGoFromClipboardExecute() {
    cbAddressUrlSelected(clipboardAddress());
}

void AddressBar::actNewBlankExecute() {
    newPage()->BringToFront();
}

void AddressBar::actNewCurrentExecute() {
    const TfrmPage* active = host_.PageCount() > 0 ? host_.ActivePage() : nullptr;
    if (!active || active->WB().LocationURL().isEmpty())
        return;
    const QString address = active->Address;
    TfrmPage* page = newPage();
    page->NavigatePage(address);
    page->BringToFront();
}

void AddressBar::actNewHomepageExecute() {
    TfrmPage* page = newPage();
    page->WB().GoHome();
    page->BringToFront();
}

void AddressBar::actNewClipboardExecute() {
    const QString address = clipboardAddress();
    newPage()->NavigatePage(address);
}

bool AddressBar::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* suggestions = completer_->popup();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == cbAddress_) {
            cbAddressKeyDown(key);
            if (isEnter(key)) {
                acceptTyped();
                return true;
            }
        } else if (watched == cbAddress_->view()) {
            cbAddressKeyDown(key);
        } else if (watched == suggestions) {
            cbAddressKeyDown(key);
            if (isEnter(key)) {
                // Handled here so that one press acts once, whatever the box does next.
                const QModelIndex current = suggestions->currentIndex();
                suggestions->hide();
                if (current.isValid())
                    pickItem(current.data().toString());
                else
                    acceptTyped();
                return true;
            }
        }
    } else if (watched == cbAddress_->view()->window()) {
        if (event->type() == QEvent::Show) {
            listOpen_ = true;
        } else if (event->type() == QEvent::Hide) {
            // The list hides before the box reports the pick, so the flag must outlive this event.
            QTimer::singleShot(0, this, [this] { listOpen_ = false; });
        }
    }
    return QWidget::eventFilter(watched, event);
}

QStringList AddressBar::readTypedUrls() {
    QStringList urls;
    Registry registry;
    if (!registry.openKey(TypedUrlsKey, false))
        return urls;
    for (int number = 1; number <= MaxTypedUrls; ++number) {
        const auto value = registry.readString(valueName(number));
        if (!value)
            continue;
        const QString url = cleaned(*value);
        if (!url.isEmpty() && !urls.contains(url))
            urls << url;
    }
    return urls;
}

void AddressBar::writeTypedUrls() const {
    Registry registry;
    if (!registry.openKey(TypedUrlsKey, true))
        return;
    for (int i = 0; i < urls_.size(); ++i)
        registry.writeString(valueName(i + 1), urls_[i]);
    for (int number = int(urls_.size()) + 1; number <= MaxTypedUrls; ++number)
        if (registry.valueExists(valueName(number)))
            registry.deleteValue(valueName(number));
}

void AddressBar::setItems(const QStringList& urls) {
    const QString text = cbAddress_->currentText();
    cbAddress_->clear();
    cbAddress_->addItems(urls);
    cbAddress_->setEditText(text);
}

void AddressBar::remember(const QString& address) {
    const QString url = cleaned(address);
    if (url.isEmpty())
        return;
    urls_.removeAll(url);
    urls_.prepend(url);
    while (urls_.size() > MaxTypedUrls)
        urls_.removeLast();
    setItems(urls_);
    writeTypedUrls();
}

void AddressBar::acceptTyped() {
    completer_->popup()->hide();
    QString address = cbAddress_->currentText().trimmed();
    if (address.isEmpty())
        return;
    // Only an absolute path names a local file; a bare word is a host name.
    const bool local = QDir::isAbsolutePath(address) && QFileInfo::exists(address);
    if (!address.contains(QStringLiteral("://")) && !local)
        address.prepend(QStringLiteral("http://"));
    cbAddress_->setEditText(address);
    remember(address);
    cbAddressUrlSelected(address);
}

void AddressBar::pickItem(const QString& item) {
    cbAddress_->setEditText(item);
    remember(item);
    cbAddressUrlSelected(item);
}

QString AddressBar::clipboardAddress() {
    return QGuiApplication::clipboard()->text().left(MaxClipboardAddress);
}

TfrmPage* AddressBar::newPage() {
    return host_.NewPage(false, true);
}
