#include "ferrymate/window/main_frm.h"

#include "ferrymate/link/command_set.h"
#include "ferrymate/link/data_module.h"
#include "ferrymate/link/dialogs/comm_setting_frm.h"
#include "ferrymate/link/dialogs/connecting_frm.h"
#include "ferrymate/link/dialogs/os_progress_frm.h"
#include "ferrymate/link/dialogs/progress_frm.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/log_sink.h"
#include "ferrymate/link/port_names.h"
#include "ferrymate/listing/selection_status.h"
#include "ferrymate/listing/view/file_view_fill.h"
#include "ferrymate/window/about_frm.h"
#include "ferrymate/window/clickable_picture.h"
#include "ferrymate/window/form_font.h"
#include "ferrymate/window/log_line.h"
#include "ferrymate/window/pf_about_frm.h"
#include "ferrymate/window/port_open_advice.h"
#include "ferrymate/window/prompt.h"
#include "ferrymate/window/protocol_log_view.h"
#include "ferrymate/window/status_panels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>

namespace pf {
namespace {

const QString kNotConnected = QStringLiteral("Pocketforgeに接続されていません");
const QString kTimeoutText =
    QStringLiteral("通信がタイムアウトしました。\r\n\r\n以下の理由が考えられます。\r\n\r\n- "
                   "Pocketforgeが通信画面になっていない。\r\n- ケーブルが接続されていない。\r\n- "
                   "通信ポート/通信速度が合っていない。");
const QString kTextFilter = QStringLiteral("テキストファイル(*.txt)");
const QString kRtfFilter = QStringLiteral("リッチテキストファイル(*.rtf)");

// Pumps the window's message queue before every read of the port.
class WindowIdle final : public CommIdle {
  public:
    void Idle() override { QCoreApplication::processEvents(); }
};
WindowIdle MyIdle;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name, QWidget* parent, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setParent(parent);
    widget->setGeometry(left, top, width, height);
    return widget;
}

QTreeWidget* newFileView(const char* name, QWidget* parent, const QStringList& columns,
                         const QList<int>& widths) {
    auto* view = named(new QTreeWidget, name, parent, 7, 48, 271, 233);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setIconSize(QSize(16, 16));
    view->setHeaderLabels(columns);
    view->header()->setSectionsClickable(true);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(false);
    view->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < widths.size(); ++i)
        view->setColumnWidth(i, widths[i]);
    return view;
}

QAction* addEntry(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    if (name)
        action->setObjectName(QString::fromLatin1(name));
    return action;
}

// An entry whose operation is not part of this program yet: shown, greyed.
QAction* addUnbuilt(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = addEntry(menu, caption, name);
    action->setEnabled(false);
    return action;
}

} // namespace

TMainFrm::TMainFrm(SettingsStore settings, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), m_settings(std::move(settings)), m_prompt(prompt),
      m_images(fileImage(), folderImage()) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Ferrymate"));
    setFont(formFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setMinimumSize(kMinimumWidth - kOuterExtraWidth, kMinimumHeight - kOuterExtraHeight);
    setCentralWidget(client);
    client->installEventFilter(this);
    buildControls(client);
    buildPopups();
    buildMenus();
    applyStoredPortDevices();

    // FormCreate: design size, first area, stored placement, picture, folder.
    setOuterSize(kDesignWidth, kDesignHeight);
    RemoteDirCombo->setCurrentIndex(0);
    readPlacement();
    showPicture(ConnectionPicture::Disconnected);
    readLocation();

    takeControlInfo();
    FormResize();
    try {
        refreshLocalList();
    } catch (const std::exception& error) {
        m_prompt.reportError(this, text(error.what()));
    }
    createSecondaryWindows();
}

TMainFrm::~TMainFrm() {
    SetLogSink({});
    DM.FileXModem.SetProgressCallback({});
    DM.OSXModem.SetProgressCallback({});
    m_controlInfo.clear();
    m_localListing.clear();
    m_remoteListing.clear();
}

void TMainFrm::buildControls(QWidget* client) {
    TopLine = named(new QFrame, "TopLine", client, 1, 0, 629, 1);
    TopLine->setFrameShape(QFrame::HLine);
    TopLine->setFrameShadow(QFrame::Sunken);

    RemoteGroupBox = named(new QGroupBox(QStringLiteral("Pocketforge カートリッジ")), "RemoteGroupBox",
                           client, 343, 5, 286, 289);
    RemoteDirCombo = named(new QComboBox, "RemoteDirCombo", RemoteGroupBox, 7, 20, 271, 20);
    RemoteDirCombo->addItems(
        {QStringLiteral("/rom0/ (プログラムエリア)"), QStringLiteral("/ram0/ (ワークエリア)")});
    RemoteFileView = newFileView("RemoteFileView", RemoteGroupBox,
                                 {QStringLiteral("名前"), QStringLiteral("サイズ"), QStringLiteral("日付"),
                                  QStringLiteral("属性"), QStringLiteral("説明")},
                                 {100, 60, 120, 50, 100});

    MonitorGroupBox =
        named(new QGroupBox(QStringLiteral("プロトコルログ")), "MonitorGroupBox", client, 2, 296, 627, 118);
    ProtocolMonitor = named(new ProtocolLogView, "ProtocolMonitor", MonitorGroupBox, 8, 14, 611, 96);

    LocalGroupBox =
        named(new QGroupBox(QStringLiteral("マイコンピュータ")), "LocalGroupBox", client, 3, 5, 288, 289);
    LocalDirEdit = named(new QLineEdit, "LocalDirEdit", LocalGroupBox, 7, 20, 247, 20);
    DirSelButton =
        named(new QPushButton(QStringLiteral("...")), "DirSelButton", LocalGroupBox, 260, 20, 20, 20);
    DirSelButton->setEnabled(false); // the folder chooser is not part of this program yet
    LocalFileView = newFileView("LocalFileView", LocalGroupBox,
                                {QStringLiteral("名前"), QStringLiteral("サイズ"), QStringLiteral("日付")},
                                {100, 60, 120});

    SendButton = named(new QToolButton, "SendButton", client, 293, 108, 48, 48);
    SendButton->setIcon(QIcon(arrowGlyph(ArrowDirection::Right)));
    SendButton->setIconSize(QSize(40, 40));
    SendButton->setEnabled(false); // sending is not part of this program yet
    RecvButton = named(new QToolButton, "RecvButton", client, 293, 168, 48, 48);
    RecvButton->setIcon(QIcon(arrowGlyph(ArrowDirection::Left)));
    RecvButton->setIconSize(QSize(40, 40));
    RecvButton->setEnabled(false); // receiving is not part of this program yet

    MegButton = named(new ClickablePicture, "MegButton", client, 292, 11, 50, 50);
    MegButton->setScaledContents(true);
    MegButton->setAlignment(Qt::AlignCenter);
    MegButton->setCursor(Qt::PointingHandCursor);

    ConnStatus = named(new QLabel(QStringLiteral("接続")), "ConnStatus", client, 299, 62, 37, 21);
    ConnStatus->hide();

    StatusBar = new StatusPanels(client);
    StatusBar->setPanelText(2, QStringLiteral("切断中"));

    setTabOrder(RemoteDirCombo, RemoteFileView);
    setTabOrder(RemoteFileView, ProtocolMonitor);
    setTabOrder(ProtocolMonitor, LocalDirEdit);
    setTabOrder(LocalDirEdit, DirSelButton);
    setTabOrder(DirSelButton, LocalFileView);
    setTabOrder(LocalFileView, SendButton);
    setTabOrder(SendButton, RecvButton);

    LogSaveDialog =
        new QFileDialog(this, QString(), QString(), kTextFilter + QStringLiteral(";;") + kRtfFilter);
    LogSaveDialog->setObjectName(QStringLiteral("LogSaveDialog"));
    LogSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    LogSaveDialog->setOption(QFileDialog::DontUseNativeDialog);
    LogSaveDialog->setDefaultSuffix(QStringLiteral("txt"));
    connect(LogSaveDialog, &QFileDialog::filterSelected, this, &TMainFrm::LogSaveDialogTypeChange);

    connect(MegButton, &ClickablePicture::clicked, this, &TMainFrm::MegButtonClick);
    connect(LocalDirEdit, &QLineEdit::returnPressed, this, &TMainFrm::LocalFileListRefreshClick);
    connect(RemoteDirCombo, &QComboBox::activated, this, &TMainFrm::RemoteDirComboChange);
    connect(LocalFileView, &QTreeWidget::itemSelectionChanged, this, &TMainFrm::LocalFileViewChange);
    connect(RemoteFileView, &QTreeWidget::itemSelectionChanged, this, &TMainFrm::RemoteFileViewChange);
    connect(LocalFileView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { FileViewColumnClick(*LocalFileView, column); });
    connect(RemoteFileView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { FileViewColumnClick(*RemoteFileView, column); });
    connect(LocalFileView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_localPopup)
            m_localPopup->popup(LocalFileView->viewport()->mapToGlobal(at));
    });
    connect(RemoteFileView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_remotePopup)
            m_remotePopup->popup(RemoteFileView->viewport()->mapToGlobal(at));
    });
    LocalFileView->viewport()->installEventFilter(this);
    RemoteFileView->viewport()->installEventFilter(this);
}

void TMainFrm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("File"));
    connect(addEntry(file, QStringLiteral("接続(&C)"), "Connect"), &QAction::triggered, this,
            &TMainFrm::ConnectClick);
    connect(addEntry(file, QStringLiteral("切断(&D)"), "Disconnect"), &QAction::triggered, this,
            &TMainFrm::DisconnectClick);
    file->addSeparator();
    connect(addEntry(file, QStringLiteral("プロトコルログ保存(&S)..."), "LogSave"), &QAction::triggered, this,
            &TMainFrm::LogSaveClick);
    connect(addEntry(file, QStringLiteral("プロトコルログクリア"), "LogClear"), &QAction::triggered, this,
            &TMainFrm::LogClearClick);
    file->addSeparator();
    connect(addEntry(file, QStringLiteral("シリアルポート設定..."), "CommSetting"), &QAction::triggered, this,
            &TMainFrm::CommSettingClick);
    file->addSeparator();
    connect(addEntry(file, QStringLiteral("終了(&X)"), "Exit"), &QAction::triggered, this,
            &TMainFrm::ExitClick);

    QMenu* cartridge = menuBar()->addMenu(QStringLiteral("カートリッジ(&C)"));
    cartridge->setObjectName(QStringLiteral("Window"));
    addUnbuilt(cartridge, QStringLiteral("エリア整頓(&F)"), "Defrag");
    cartridge->addSeparator();
    addUnbuilt(cartridge, QStringLiteral("エリア全クリア(&A)"), "Newfs");
    cartridge->addSeparator();
    addUnbuilt(cartridge, QStringLiteral("時刻設定..."), "DateSetting1");
    addUnbuilt(cartridge, QStringLiteral("カートリッジ情報...(&C)"), "AboutPocketforge");
    cartridge->addSeparator();
    QMenu* os = cartridge->addMenu(QStringLiteral("VeldaOS(&R)"));
    os->setObjectName(QStringLiteral("Pocketforge2"));
    os->menuAction()->setObjectName(QStringLiteral("Pocketforge2"));
    addUnbuilt(os, QStringLiteral("アップグレード..."), "Upgrade");
    addUnbuilt(os, QStringLiteral("バックアップ..."), "Backup");

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("Help"));
    connect(addEntry(help, QStringLiteral("Ferrymateについて..."), "AboutFerrymate"), &QAction::triggered,
            this, &TMainFrm::AboutFerrymateClick);
}

void TMainFrm::buildPopups() {
    LocalFileViewPopup = new QMenu(this);
    LocalFileViewPopup->setObjectName(QStringLiteral("LocalFileViewPopup"));
    QMenu* arrange = LocalFileViewPopup->addMenu(QStringLiteral("アイコンの整列"));
    arrange->menuAction()->setObjectName(QStringLiteral("ArrangeIcon"));
    connect(addEntry(arrange, QStringLiteral("名前順"), "LocalSortByName"), &QAction::triggered, this,
            &TMainFrm::LocalSortByNameClick);
    connect(addEntry(arrange, QStringLiteral("サイズ順"), "LocalSortBySize"), &QAction::triggered, this,
            &TMainFrm::LocalSortBySizeClick);
    connect(addEntry(arrange, QStringLiteral("日付順"), "LocalSortByDate"), &QAction::triggered, this,
            &TMainFrm::LocalSortByDateClick);
    LocalFileViewPopup->addSeparator();
    connect(addEntry(LocalFileViewPopup, QStringLiteral("最新の情報に更新"), "LocalFileListRefresh"),
            &QAction::triggered, this, &TMainFrm::LocalFileListRefreshClick);
    LocalFileViewPopup->addSeparator();
    addUnbuilt(LocalFileViewPopup, QStringLiteral("フォルダ作成..."), "CreateFolder");

    LocalFileItemPopup = new QMenu(this);
    LocalFileItemPopup->setObjectName(QStringLiteral("LocalFileItemPopup"));
    m_openAction = addUnbuilt(LocalFileItemPopup, QStringLiteral("開く(&O)"), "LocalOpen");
    LocalFileItemPopup->addSeparator();
    m_sendAction = addUnbuilt(LocalFileItemPopup, QStringLiteral("Pocketforgeへ送信"), "SendToPocketforge");
    LocalFileItemPopup->addSeparator();
    addUnbuilt(LocalFileItemPopup, QStringLiteral("削除(&D)"), "LocalDelete");
    addUnbuilt(LocalFileItemPopup, QStringLiteral("名前の変更(&M)"), "LocalRename");

    RemoteFileViewPopup = new QMenu(this);
    RemoteFileViewPopup->setObjectName(QStringLiteral("RemoteFileViewPopup"));
    QMenu* arrange2 = RemoteFileViewPopup->addMenu(QStringLiteral("アイコンの整列"));
    arrange2->menuAction()->setObjectName(QStringLiteral("ArrangeIcon2"));
    connect(addEntry(arrange2, QStringLiteral("名前順"), "RemoteSortByName"), &QAction::triggered, this,
            &TMainFrm::RemoteSortByNameClick);
    connect(addEntry(arrange2, QStringLiteral("サイズ順"), "RemoteSortBySize"), &QAction::triggered, this,
            &TMainFrm::RemoteSortBySizeClick);
    connect(addEntry(arrange2, QStringLiteral("日付順"), "RemoteSortByDate"), &QAction::triggered, this,
            &TMainFrm::RemoteSortByDateClick);
    RemoteFileViewPopup->addSeparator();
    connect(addEntry(RemoteFileViewPopup, QStringLiteral("最新の情報に更新"), "RemoteFileListRefresh"),
            &QAction::triggered, this, &TMainFrm::RemoteFileListRefreshClick);
    RemoteFileViewPopup->addSeparator();
    addUnbuilt(RemoteFileViewPopup, QStringLiteral("エリア整頓"), "Defrag2");
    addUnbuilt(RemoteFileViewPopup, QStringLiteral("エリア全クリア"), "Newfs2");
    RemoteFileViewPopup->addSeparator();
    addUnbuilt(RemoteFileViewPopup, QStringLiteral("時刻設定..."), "DateSetting");
    RemoteFileViewPopup->addSeparator();
    addUnbuilt(RemoteFileViewPopup, QStringLiteral("カートリッジ情報..."), "AboutPocketforge2");

    RemoteFileItemPopup = new QMenu(this);
    RemoteFileItemPopup->setObjectName(QStringLiteral("RemoteFileItemPopup"));
    QAction* trans = addUnbuilt(RemoteFileItemPopup, QStringLiteral("PCへ送信"), "RemoteTrans");
    RemoteFileItemPopup->setDefaultAction(trans);
    RemoteFileItemPopup->addSeparator();
    addUnbuilt(RemoteFileItemPopup, QStringLiteral("説明の変更..."), "SetInfo");
    RemoteFileItemPopup->addSeparator();
    addUnbuilt(RemoteFileItemPopup, QStringLiteral("削除(&D)"), "RemoteDelete");
    addUnbuilt(RemoteFileItemPopup, QStringLiteral("名前の変更(&M)"), "RemoteRename");

    m_localPopup = LocalFileViewPopup;
}

void TMainFrm::createSecondaryWindows() {
    AboutFrm = new TAboutFrm(this);
    PFAboutFrm = new TPFAboutFrm(this);
    CommSettingFrm = new TCommSettingFrm(this);
    ProgressFrm = new TProgressFrm(this);
    ConnectingFrm = new TConnectingFrm(this);
    OSProgressFrm = new TOSProgressFrm(this);
    connect(ConnectingFrm, &TConnectingFrm::cancelClicked, this, &TMainFrm::CancelButtonClick);
    DM.FileXModem.SetProgressCallback([this](TXModem2& engine) {
        ProgressFrm->ProgressBar->setValue(engine.BlockCount());
        QCoreApplication::processEvents();
    });
    DM.OSXModem.SetProgressCallback([this](TXModem2& engine) {
        OSProgressFrm->PacketNum->setText(QString::number(engine.BlockCount()));
        QCoreApplication::processEvents();
    });
}

// --- Settings ---------------------------------------------------------------

std::int32_t TMainFrm::readInteger(const char* name, std::int32_t fallback) const {
    return m_settings.readInteger(name).value_or(fallback);
}

void TMainFrm::readPlacement() {
    const int top = readInteger("Top", 100);
    const int left = readInteger("Left", 100);
    const int width = readInteger("Width", kDesignWidth);
    const int height = readInteger("Height", kDesignHeight);
    move(left, top);
    setOuterSize(width, height);
}

void TMainFrm::readLocation() {
    const std::string stored = m_settings.readString("Location").value_or(std::string());
    std::error_code error;
    if (!stored.empty() && std::filesystem::exists(std::filesystem::path(stored), error))
        LocalDirEdit->setText(text(stored));
    else
        LocalDirEdit->setText(QDir::homePath());
}

void TMainFrm::applyStoredPortDevices() {
    std::vector<std::pair<std::string, SettingsStore::Value>> missing;
    for (int number = 1; number <= kCommPortCount; ++number) {
        const std::string name = "COM" + std::to_string(number);
        if (auto device = m_settings.readString(name))
            SetPortDevice(name, *device);
        else
            missing.emplace_back(name, DefaultPortDevice(number));
    }
    if (missing.empty())
        return;
    try {
        m_settings.write(missing); // so that the user finds where to change them
    } catch (const SettingsWriteError&) {
    }
}

void TMainFrm::saveWindowSettings() {
    const QRect frame = isMinimized() ? normalGeometry() : frameGeometry();
    const QSize outer = outerSize();
    m_settings.write({{"Location", LocalDirEdit->text().toStdString()},
                      {"Top", frame.top()},
                      {"Left", frame.left()},
                      {"Width", outer.width()},
                      {"Height", outer.height()}});
}

void TMainFrm::saveCommSettings() {
    m_settings.write({{"CommPort", CommSettingFrm->CommPortCombo->currentIndex()},
                      {"BaudRate", CommSettingFrm->SpeedCombo->currentIndex()}});
}

// --- Window events ----------------------------------------------------------

QSize TMainFrm::outerSize() const {
    const QSize client = centralWidget()->size();
    return {client.width() + kOuterExtraWidth, client.height() + kOuterExtraHeight};
}

void TMainFrm::setOuterSize(int width, int height) {
    const int menuHeight = menuBar()->sizeHint().height();
    resize(std::max(width, kMinimumWidth) - kOuterExtraWidth,
           std::max(height, kMinimumHeight) - kOuterExtraHeight + menuHeight);
}

void TMainFrm::takeControlInfo() {
    const std::pair<int, QWidget*> controls[] = {{kLocalGroupBoxKey, LocalGroupBox},
                                                 {kLocalFileViewKey, LocalFileView},
                                                 {kRemoteGroupBoxKey, RemoteGroupBox},
                                                 {kRemoteFileViewKey, RemoteFileView},
                                                 {kMonitorGroupBoxKey, MonitorGroupBox},
                                                 {kProtocolMonitorKey, ProtocolMonitor},
                                                 {kMegButtonKey, MegButton},
                                                 {kSendButtonKey, SendButton},
                                                 {kRecvButtonKey, RecvButton},
                                                 {kLocalDirEditKey, LocalDirEdit},
                                                 {kDirSelButtonKey, DirSelButton},
                                                 {kRemoteDirComboKey, RemoteDirCombo},
                                                 {kTopLineKey, TopLine},
                                                 {kConnStatusKey, ConnStatus}};
    for (const auto& [key, control] : controls) {
        const QRect bounds = control->geometry();
        m_controlInfo[key] =
            ControlInfo{bounds.top(), bounds.left(), bounds.width(), bounds.height(), control};
    }
}

void TMainFrm::FormResize() {
    const QSize outer = outerSize();
    for (const auto& [key, bounds] : layoutBounds(m_controlInfo, outer.width(), outer.height()))
        m_controlInfo.at(key).control->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    const QSize client = centralWidget()->size();
    StatusBar->setGeometry(0, client.height() - StatusPanels::kHeight, client.width() - 2,
                           StatusPanels::kHeight);
    const StatusPanelWidths widths = statusPanelWidths(outer.width());
    StatusBar->setPanelWidths(widths.panel0, widths.panel1, widths.panel2);
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        FormResize();
    else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == LocalFileView->viewport())
            chooseLocalPopup();
        else if (watched == RemoteFileView->viewport())
            chooseRemotePopup();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    CommSettingFrm->selectIndices(readInteger("CommPort", 0), readInteger("BaudRate", 0));
    // A stored size takes effect at once, not at the first later resize.
    FormResize();
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    CloseConnection();
    try {
        saveWindowSettings();
    } catch (const SettingsWriteError& error) {
        m_prompt.reportError(this, text(error.what()));
    }
    event->accept();
}

void TMainFrm::ExitClick() {
    QCoreApplication::exit(0);
}

void TMainFrm::AboutFerrymateClick() {
    AboutFrm->exec();
}

// --- Connection -------------------------------------------------------------

void TMainFrm::showPicture(ConnectionPicture which) {
    m_shownPicture = which;
    MegButton->setPixmap(connectionPicture(which));
    MegButton->repaint();
}

void TMainFrm::designateLog() {
    SetLogSink(
        [this](std::string_view line, LogColour colour) { ProtocolMonitor->appendLine(line, colour); });
}

void TMainFrm::appendMarker(const char* marker) {
    AppendLog(marker, clLogMarker);
}

void TMainFrm::message(const QString& text) {
    m_prompt.message(this, text);
}

void TMainFrm::setWindowEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

void TMainFrm::ConnectClick() {
    if (connected())
        message(QStringLiteral("既に接続されています。"));
    else
        OpenConnection();
}

void TMainFrm::DisconnectClick() {
    if (connected())
        CloseConnection();
    else
        message(kNotConnected);
}

void TMainFrm::MegButtonClick() {
    if (connected())
        CloseConnection();
    else
        OpenConnection();
}

void TMainFrm::CancelButtonClick() {
    if (m_port)
        m_port->RequestAbort();
}

void TMainFrm::CommSettingClick() {
    if (connected()) {
        message(QStringLiteral("通信中は設定変更できません。"));
        return;
    }
    if (CommSettingFrm->exec() != QDialog::Accepted)
        return;
    try {
        saveCommSettings();
    } catch (const SettingsWriteError& error) {
        m_prompt.reportError(this, text(error.what()));
    }
}

void TMainFrm::OpenConnection() {
    showPicture(ConnectionPicture::Negotiating);
    QCoreApplication::processEvents();
    ConnectingFrm->show();
    try {
        m_portSettings = CommSettingFrm->selectedSettings();
        m_port = std::make_unique<TCommPort>(m_portSettings);
        setWindowEnabled(false);
        m_port->Purge();
        designateLog();
        CmdSttyEchoOff(*m_port);
        CmdHelo(*m_port);
        RemoteFileListRefreshClick();
        ConnStatus->setText(QStringLiteral("切断"));
        StatusBar->setPanelText(2, QStringLiteral("接続中"));
        m_port->SetIdle(&MyIdle);
        m_remotePopup = RemoteFileViewPopup;
        chooseRemotePopup();
        showPicture(ConnectionPicture::Connected);
    } catch (const CmdException& error) {
        message(text(error.Message()));
        CloseConnection();
    } catch (const CommOpenException& error) {
        message(
            QStringLiteral("通信ポートのオープンに失敗しました。") + QStringLiteral("\n\n") +
            text(portOpenAdvice(m_portSettings.portName, error.Device(), error.Reason(), m_settings.path())));
        CloseConnection();
    } catch (const CommTimeoutException&) {
        message(kTimeoutText);
        CloseConnection();
    } catch (const CommAbortException&) {
        message(QStringLiteral("接続はユーザにより中断されました。"));
        CloseConnection();
        appendMarker("(CANCELED)");
        appendMarker("(ABORTED)");
    } catch (const std::exception& error) {
        message(text(error.what()));
        CloseConnection();
        appendMarker("(ABORTED)");
    }
    ConnectingFrm->hide();
    setWindowEnabled(true);
}

void TMainFrm::CloseConnection() {
    if (m_port) {
        m_port.reset();
        m_remoteListing.SetPort(nullptr);
        ConnStatus->setText(QStringLiteral("接続"));
        StatusBar->setPanelText(2, QStringLiteral("切断中"));
        designateLog();
        appendMarker("(DISCONNECTED)");
    }
    showPicture(ConnectionPicture::Disconnected);
    RemoteFileView->clear();
    m_remotePopup = nullptr;
}

// --- File views -------------------------------------------------------------

std::string TMainFrm::currentArea() const {
    return RemoteDirCombo->currentIndex() == 1 ? "/ram0" : "/rom0";
}

void TMainFrm::refreshLocalList() {
    LocalFileView->clear();
    const std::string folder = LocalDirEdit->text().toStdString();
    m_localListing.Read(folder);
    m_currentPcFolder = folder;
    SortView(*LocalFileView, m_localSortOrder);
}

void TMainFrm::LocalFileListRefreshClick() {
    try {
        refreshLocalList();
    } catch (const std::exception& error) {
        m_prompt.reportError(this, text(error.what()));
    }
}

void TMainFrm::RemoteFileListRefreshClick() {
    if (!connected()) {
        message(kNotConnected);
        return;
    }
    setWindowEnabled(false);
    m_port->Purge();
    designateLog();
    try {
        m_remoteListing.SetPort(m_port.get());
        m_remoteListing.Read(currentArea());
        SortView(*RemoteFileView, m_remoteSortOrder);
    } catch (const CmdException& error) {
        FillRemoteView();
        message(text(error.Message()));
    } catch (const CommTimeoutException&) {
        FillRemoteView();
        message(kTimeoutText);
    } catch (const XCANReceived&) {
        FillRemoteView();
        message(QStringLiteral("XMODEM転送は、Pocketforgeによりキャンセルされました。"));
        appendMarker("(CANCELED)");
        appendMarker("(ABORTED)");
    } catch (const CommXModemException&) {
        FillRemoteView();
        message(QStringLiteral("XMODEM転送中にエラーが発生しました。"));
        appendMarker("(ABORTED)");
    } catch (const std::exception& error) {
        FillRemoteView();
        message(text(error.what()));
        appendMarker("(ABORTED)");
    }
    setWindowEnabled(true);
}

void TMainFrm::RemoteDirComboChange(int) {
    if (!connected()) {
        message(kNotConnected);
        return;
    }
    RemoteFileListRefreshClick();
}

void TMainFrm::remoteSortCommand(int order) {
    if (!connected()) {
        message(kNotConnected);
        return;
    }
    SortView(*RemoteFileView, order);
}

void TMainFrm::FileViewColumnClick(QTreeWidget& view, int column) {
    if (column >= 0 && column <= 2)
        SortView(view, column);
}

void TMainFrm::SortView(QTreeWidget& view, int order) {
    const bool local = &view == LocalFileView;
    FileListVector& listing = local ? static_cast<FileListVector&>(m_localListing) : m_remoteListing;
    (local ? m_localSortOrder : m_remoteSortOrder) = order;
    if (order == 1)
        listing.SortBySize();
    else if (order == 2)
        listing.SortByDate();
    else
        listing.SortByName();
    if (local)
        FillLocalView();
    else
        FillRemoteView();
}

void TMainFrm::FillLocalView() {
    fillLocalRows(*LocalFileView, m_localListing, text(m_currentPcFolder), m_images, m_shellIcons);
    UpdateSelectionStatus(*LocalFileView);
}

void TMainFrm::FillRemoteView() {
    fillRemoteRows(*RemoteFileView, m_remoteListing, m_images);
    UpdateSelectionStatus(*RemoteFileView);
}

void TMainFrm::UpdateSelectionStatus(QTreeWidget& view) {
    const bool local = &view == LocalFileView;
    const FileListVector& listing =
        local ? static_cast<const FileListVector&>(m_localListing) : m_remoteListing;
    const std::vector<std::size_t> rows = selectedRows(view);
    StatusBar->setPanelText(local ? 0 : 1, text(selectionStatusText(listing, rows)));
}

void TMainFrm::LocalFileViewChange() {
    UpdateSelectionStatus(*LocalFileView);
    chooseLocalPopup();
}

void TMainFrm::RemoteFileViewChange() {
    UpdateSelectionStatus(*RemoteFileView);
    chooseRemotePopup();
}

void TMainFrm::chooseLocalPopup() {
    const std::vector<std::size_t> rows = selectedRows(*LocalFileView);
    if (rows.empty()) {
        m_localPopup = LocalFileViewPopup;
        return;
    }
    m_localPopup = LocalFileItemPopup;
    const bool folder = rows.front() < m_localListing.size() && m_localListing[rows.front()].isDirectory;
    LocalFileItemPopup->setDefaultAction(folder ? m_openAction : m_sendAction);
}

void TMainFrm::chooseRemotePopup() {
    if (!connected()) {
        m_remotePopup = nullptr;
        return;
    }
    m_remotePopup = selectedRows(*RemoteFileView).empty() ? RemoteFileViewPopup : RemoteFileItemPopup;
}

// --- Protocol log -----------------------------------------------------------

void TMainFrm::LogSaveClick() {
    LogSaveDialog->selectNameFilter(kTextFilter);
    LogSaveDialog->selectFile(QStringLiteral("名称未設定.txt"));
    if (LogSaveDialog->exec() != QDialog::Accepted || LogSaveDialog->selectedFiles().isEmpty())
        return;
    const bool rich = LogSaveDialog->selectedNameFilter() == kRtfFilter;
    const std::string file = LogSaveDialog->selectedFiles().front().toStdString();
    try {
        ProtocolMonitor->saveTo(file, rich ? ProtocolLogView::SaveMode::RichText
                                           : ProtocolLogView::SaveMode::PlainText);
    } catch (const std::exception& error) {
        m_prompt.reportError(this, text(error.what()));
    }
}

void TMainFrm::LogSaveDialogTypeChange(const QString& filter) {
    const QString extension = filter == kRtfFilter ? QStringLiteral(".rtf") : QStringLiteral(".txt");
    LogSaveDialog->setDefaultSuffix(extension.mid(1));
    auto* nameBox = LogSaveDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!nameBox)
        return;
    nameBox->setText(text(swapExtension(nameBox->text().toStdString(), extension.toStdString())));
}

void TMainFrm::LogClearClick() {
    ProtocolMonitor->clearLog();
}

} // namespace pf
