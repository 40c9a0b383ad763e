// TMainFrm against the cartridge simulator over a pseudo-terminal, with the
// prompt scripted and the settings in a temporary file.

#include "window_rig.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/dialogs/comm_setting_frm.h"
#include "ferrymate/link/dialogs/connecting_frm.h"
#include "ferrymate/link/log_sink.h"
#include "ferrymate/link/message_pump.h"
#include "ferrymate/link/port_names.h"
#include "ferrymate/platform/settings_store.h"
#include "ferrymate/window/about_frm.h"
#include "ferrymate/window/clickable_picture.h"
#include "ferrymate/window/main_frm.h"
#include "ferrymate/window/protocol_log_view.h"
#include "ferrymate/window/status_panels.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace pf;
using namespace pf::test;

namespace {

const QString kNotConnected = QStringLiteral("Pocketforgeに接続されていません");

// Runs `answer` on the next modal dialog once it is shown.
void answerModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start(10);
}

QStringList column(const QTreeWidget* view, int index) {
    QStringList cells;
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        cells << view->topLevelItem(row)->text(index);
    return cells;
}

QStringList logTexts(const TMainFrm& window) {
    QStringList texts;
    for (const LogLine& line : window.ProtocolMonitor->lines())
        texts << QString::fromStdString(line.bytes);
    return texts;
}

void clickHeader(QTreeWidget* view, int section) {
    QHeaderView* header = view->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 3, header->height() / 2));
}

} // namespace

class TestMainFrm : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> m_folder;
    ScriptedPrompt m_prompt;

    QString settingsPath() const { return m_folder->filePath(QStringLiteral("cfg/Ferrymate.conf")); }
    SettingsStore store() const { return SettingsStore(settingsPath().toStdString()); }
    std::unique_ptr<TMainFrm> newWindow() {
        auto window = std::make_unique<TMainFrm>(store(), m_prompt);
        window->show();
        return window;
    }
    std::unique_ptr<TMainFrm> connectedWindow(const Cartridge& cart) {
        auto window = newWindow();
        SetPortDevice("COM1", cart.device());
        window->ConnectClick();
        return window;
    }

  private slots:
    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        m_prompt = ScriptedPrompt();
        ResetPortDevices();
        SetMessagePump([] { QCoreApplication::processEvents(); });
        SetLinkClock(nullptr);
    }
    void cleanup() {
        SetLinkClock(nullptr);
        m_folder.reset();
    }

    void firstStartThenRestartAfterClosing() {
        QString folder;
        {
            auto window = newWindow();
            QCOMPARE(window->outerSize(), QSize(640, 480));
            QCOMPARE(window->pos(), QPoint(100, 100));
            QCOMPARE(window->LocalDirEdit->text(), QDir::homePath());
            QCOMPARE(window->CommSettingFrm->CommPortCombo->currentText(), QStringLiteral("COM1"));
            QCOMPARE(window->CommSettingFrm->SpeedCombo->currentText(), QStringLiteral("38400"));
            QCOMPARE(window->MegButton->pixmap().size(), QSize(50, 50));
            QCOMPARE(window->StatusBar->panelText(2), QStringLiteral("切断中"));
            QVERIFY(QFile::exists(settingsPath()));
            QCOMPARE(store().readString("COM1"), std::optional<std::string>("/dev/ttyUSB0"));
            folder = m_folder->path();
            window->LocalDirEdit->setText(folder);
            window->setOuterSize(700, 500);
            window->close();
        }
        QCOMPARE(store().readInteger("Width"), std::optional<std::int32_t>(700));
        auto again = newWindow();
        QCOMPARE(again->outerSize(), QSize(700, 500));
        QCOMPARE(again->LocalDirEdit->text(), folder);
        QCOMPARE(again->currentPcFolder(), folder.toStdString());
        QCOMPARE(again->LocalGroupBox->width(), 315); // 288 x 700 / 640, laid out at once
    }

    void exitStoresNothing() {
        {
            auto window = newWindow();
            window->setOuterSize(800, 600);
            QTimer::singleShot(0, window.get(), &TMainFrm::ExitClick);
            QCOMPARE(QApplication::exec(), 0); // the message loop stops at once
        }
        QVERIFY(!store().readInteger("Width"));
        QVERIFY(!store().readString("Location"));
    }

    void storedValuesThatCannotBeUsedGiveTheDefaults() {
        store().write({{"Location", std::string("/nonexistent/folder")},
                       {"Width", std::string("800")},
                       {"Height", 600}});
        auto window = newWindow();
        QCOMPARE(window->LocalDirEdit->text(), QDir::homePath());
        QCOMPARE(window->outerSize(), QSize(640, 600));
    }

    void outOfRangeStoredIndicesFallBackToTheFirstEntry() {
        store().write({{"CommPort", 7}, {"BaudRate", -1}});
        auto window = newWindow();
        QCOMPARE(window->CommSettingFrm->CommPortCombo->currentIndex(), 0);
        QCOMPARE(window->CommSettingFrm->SpeedCombo->currentIndex(), 0);
    }

    void layoutAtSizes_data() {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("800x600 PC group") << QSize(800, 600) << "LocalGroupBox" << QRect(4, 6, 360, 361);
        QTest::newRow("800x600 log group") << QSize(800, 600) << "MonitorGroupBox" << QRect(3, 370, 784, 160);
        QTest::newRow("800x600 log") << QSize(800, 600) << "ProtocolMonitor" << QRect(8, 14, 768, 139);
        QTest::newRow("560x360 cartridge group")
            << QSize(560, 360) << "RemoteGroupBox" << QRect(300, 4, 250, 217);
        QTest::newRow("640x480 top line") << QSize(640, 480) << "TopLine" << QRect(1, 1, 629, 1);
        QTest::newRow("640x480 log") << QSize(640, 480) << "ProtocolMonitor" << QRect(8, 14, 611, 93);
        QTest::newRow("smaller than the minimum")
            << QSize(400, 300) << "RemoteGroupBox" << QRect(300, 4, 250, 217);
    }
    void layoutAtSizes() {
        QFETCH(QSize, outer);
        QFETCH(QString, control);
        QFETCH(QRect, bounds);
        auto window = newWindow();
        window->setOuterSize(outer.width(), outer.height());
        QCOMPARE(window->findChild<QWidget*>(control)->geometry(), bounds);
        const QSize shown = window->outerSize();
        QCOMPARE(window->StatusBar->panelWidth(0), shown.width() / 2);
        QCOMPARE(window->StatusBar->geometry().bottom() + 1, shown.height() - kOuterExtraHeight);
    }

    void connectListAndDisconnectOnClose() {
        Cartridge cart;
        QVERIFY(cart.ready());
        auto window = connectedWindow(cart);
        QVERIFY2(window->connected(), qPrintable(m_prompt.messages.join('|')));
        QVERIFY(m_prompt.messages.isEmpty());
        QCOMPARE(window->shownPicture(), ConnectionPicture::Connected);
        QCOMPARE(window->StatusBar->panelText(2), QStringLiteral("接続中"));
        QCOMPARE(window->ConnStatus->text(), QStringLiteral("切断"));
        QVERIFY(!window->ConnStatus->isVisible());
        QCOMPARE(window->attachedRemotePopup(), window->RemoteFileViewPopup);
        QCOMPARE(column(window->RemoteFileView, 0), QStringList({"alpha", "beta", "gamma"}));
        QCOMPARE(column(window->RemoteFileView, 1), QStringList({"3,128", "228", "1,128"}));
        QCOMPARE(column(window->RemoteFileView, 4), QStringList({"first", "second", "third"}));
        QVERIFY(window->isEnabled() && window->centralWidget()->isEnabled());
        QVERIFY(!window->ConnectingFrm->isVisible());

        const LogLines lines = window->ProtocolMonitor->lines();
        QVERIFY(lines.size() > 4);
        QCOMPARE(QString::fromStdString(lines[0].bytes), QStringLiteral("stty -echo"));
        QVERIFY(lines[0].colour == clLogCommand);
        const QStringList texts = logTexts(*window);
        const int greeting = texts.indexOf(QStringLiteral("HELO \"Ferrymate version 1.03 beta\""));
        QVERIFY(greeting > 0);
        QVERIFY(lines[static_cast<std::size_t>(greeting)].colour == clLogCommand);
        QVERIFY(lines[static_cast<std::size_t>(greeting) + 1].colour == clLogReply);
        // The view shows the colours too.
        QTextBlock first = window->ProtocolMonitor->document()->firstBlock();
        QCOMPARE(first.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(first.next().begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));

        // Connect while connected sends nothing.
        const std::size_t before = window->ProtocolMonitor->lines().size();
        window->ConnectClick();
        QCOMPARE(m_prompt.messages, QStringList({"既に接続されています。"}));
        QCOMPARE(window->ProtocolMonitor->lines().size(), before);
        // So does the settings menu.
        window->CommSettingClick();
        QCOMPARE(m_prompt.messages.last(), QStringLiteral("通信中は設定変更できません。"));

        window->close();
        QVERIFY(!window->connected());
        QCOMPARE(QString::fromStdString(window->ProtocolMonitor->lines().back().bytes),
                 QStringLiteral("(DISCONNECTED)"));
        QVERIFY(window->ProtocolMonitor->lines().back().colour == clLogMarker);
        QCOMPARE(window->RemoteFileView->topLevelItemCount(), 0);
        QCOMPARE(window->attachedRemotePopup(), nullptr);
        QCOMPARE(window->shownPicture(), ConnectionPicture::Disconnected);
        QCOMPARE(window->StatusBar->panelText(2), QStringLiteral("切断中"));
    }

    void cartridgeSortsStatusAndAreas() {
        Cartridge cart;
        QVERIFY(cart.ready());
        auto window = connectedWindow(cart);
        QVERIFY(window->connected());
        window->findChild<QAction*>("RemoteSortBySize")->trigger();
        QCOMPARE(column(window->RemoteFileView, 0), QStringList({"beta", "gamma", "alpha"}));
        clickHeader(window->RemoteFileView, 3); // "属性": nothing happens
        QCOMPARE(column(window->RemoteFileView, 0), QStringList({"beta", "gamma", "alpha"}));
        clickHeader(window->RemoteFileView, 0);
        QCOMPARE(column(window->RemoteFileView, 0), QStringList({"alpha", "beta", "gamma"}));
        window->findChild<QAction*>("RemoteSortByDate")->trigger();
        QCOMPARE(window->RemoteFileView->topLevelItemCount(), 3);

        window->RemoteFileView->topLevelItem(0)->setSelected(true);
        window->RemoteFileView->topLevelItem(2)->setSelected(true);
        const QString status = window->StatusBar->panelText(1);
        QVERIFY2(status.startsWith(QStringLiteral("4.16Kバイト [空き容量 ")), qPrintable(status));
        QCOMPARE(window->attachedRemotePopup(), window->RemoteFileItemPopup);
        QCOMPARE(window->RemoteFileItemPopup->defaultAction()->objectName(), QStringLiteral("RemoteTrans"));
        QVERIFY(!window->RemoteFileItemPopup->defaultAction()->isEnabled());

        window->RemoteDirCombo->setCurrentIndex(1);
        window->RemoteDirComboChange(1);
        QVERIFY(logTexts(*window).contains(QStringLiteral("ls -l /ram0")));
        QCOMPARE(column(window->RemoteFileView, 0), QStringList({"save1"}));
        QVERIFY(window->StatusBar->panelText(1).startsWith(QStringLiteral("0バイト [空き容量 ")));
    }

    void commandsThatNeedAConnection() {
        auto window = newWindow();
        window->RemoteDirCombo->setCurrentIndex(1);
        window->RemoteDirComboChange(1);
        window->findChild<QAction*>("RemoteSortByName")->trigger();
        window->RemoteFileListRefreshClick();
        window->DisconnectClick();
        QCOMPARE(m_prompt.messages, QStringList(4, kNotConnected));
        QCOMPARE(window->RemoteDirCombo->currentIndex(), 1);
        QVERIFY(window->ProtocolMonitor->lines().empty());
        QCOMPARE(window->attachedRemotePopup(), nullptr);
        window->RemoteFileView->customContextMenuRequested(QPoint(5, 5)); // no menu to show
    }

    void timeoutWhileConnecting() {
        Cartridge cart({"--silent-after", "0"});
        QVERIFY(cart.ready());
        HurriedClock clock;
        SetLinkClock(&clock);
        auto window = connectedWindow(cart);
        QVERIFY(!window->connected());
        QCOMPARE(m_prompt.messages.size(), 1);
        QVERIFY(m_prompt.messages[0].startsWith(
            QStringLiteral("通信がタイムアウトしました。\r\n\r\n以下の理由")));
        QCOMPARE(logTexts(*window), QStringList({"stty -echo", "(DISCONNECTED)"}));
        QCOMPARE(window->shownPicture(), ConnectionPicture::Disconnected);
        QVERIFY(window->centralWidget()->isEnabled());
        QVERIFY(!window->ConnectingFrm->isVisible());
    }

    void aFailedListingStillConnectsWithAnEmptyView() {
        Cartridge cart({"--silent-before-final", "ls"});
        QVERIFY(cart.ready());
        HurriedClock clock;
        SetLinkClock(&clock);
        auto window = connectedWindow(cart);
        QVERIFY(window->connected());
        QCOMPARE(m_prompt.messages.size(), 1);
        QVERIFY(m_prompt.messages[0].startsWith(QStringLiteral("通信がタイムアウトしました。")));
        QCOMPARE(window->RemoteFileView->topLevelItemCount(), 0);
        QVERIFY(window->remoteListing().empty());
        QCOMPARE(window->shownPicture(), ConnectionPicture::Connected);
        QVERIFY(window->centralWidget()->isEnabled());
    }

    void cancelWhileConnecting() {
        Cartridge cart({"--silent-before-final", "HELO"});
        QVERIFY(cart.ready());
        auto window = newWindow();
        SetPortDevice("COM1", cart.device());
        bool pressed = false;
        bool cancelUsable = false;
        TMainFrm* frame = window.get();
        SetMessagePump([&] {
            QCoreApplication::processEvents();
            if (!pressed && logTexts(*frame).filter(QStringLiteral("HELO")).size() == 1) {
                pressed = true;
                cancelUsable =
                    frame->ConnectingFrm->isVisible() && frame->ConnectingFrm->CancelButton->isEnabled();
                QTest::mouseClick(frame->ConnectingFrm->CancelButton, Qt::LeftButton);
            }
        });
        window->ConnectClick();
        QVERIFY(pressed);
        QVERIFY(cancelUsable);
        QVERIFY(!window->connected());
        QCOMPARE(m_prompt.messages, QStringList({"接続はユーザにより中断されました。"}));
        const QStringList texts = logTexts(*window);
        QCOMPARE(texts.mid(texts.size() - 3), QStringList({"(DISCONNECTED)", "(CANCELED)", "(ABORTED)"}));
        QCOMPARE(window->shownPicture(), ConnectionPicture::Disconnected);
    }

    void portThatDoesNotExist() {
        auto window = newWindow();
        SetPortDevice("COM1", "/nonexistent/ttyPF");
        window->MegButtonClick();
        QVERIFY(!window->connected());
        QCOMPARE(m_prompt.messages.size(), 1);
        const QStringList lines = m_prompt.messages[0].split('\n');
        QCOMPARE(lines[0], QStringLiteral("通信ポートのオープンに失敗しました。"));
        QVERIFY2(lines.size() == 4 && lines[2].startsWith(QStringLiteral("COM1 = /nonexistent/ttyPF: ")),
                 qPrintable(m_prompt.messages[0]));
        QVERIFY(lines[3].contains(settingsPath()));
        QCOMPARE(window->shownPicture(), ConnectionPicture::Disconnected);
        QVERIFY(window->ProtocolMonitor->lines().empty());
    }

    void settingsDialogOkAndCancel() {
        Cartridge cart;
        QVERIFY(cart.ready());
        auto window = newWindow();
        SetPortDevice("COM3", cart.device());
        answerModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("CommPortCombo")->setCurrentIndex(2);
            modal->findChild<QComboBox*>("SpeedCombo")->setCurrentIndex(1);
            QTest::mouseClick(modal->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
        });
        window->CommSettingClick();
        QCOMPARE(store().readInteger("CommPort"), std::optional<std::int32_t>(2));
        QCOMPARE(store().readInteger("BaudRate"), std::optional<std::int32_t>(1));
        window->ConnectClick();
        QVERIFY2(window->connected(), qPrintable(m_prompt.messages.join('|')));
        QCOMPARE(window->portSettings().portName, std::string("COM3"));
        QCOMPARE(window->portSettings().baudRate, 9600u);
        window->DisconnectClick();

        answerModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("CommPortCombo")->setCurrentIndex(1);
            QTest::mouseClick(modal->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        window->CommSettingClick();
        QCOMPARE(store().readInteger("CommPort"), std::optional<std::int32_t>(2));
        SetPortDevice("COM2", "/nonexistent/ttyPF2");
        window->ConnectClick();
        QCOMPARE(window->portSettings().portName, std::string("COM2"));
        QVERIFY(!window->connected());
    }

    void pcViewFillSortStatusAndMenus() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("sub");
        for (const auto& [name, size] :
             {std::pair{"b.txt", 1000}, {"a.txt", 1000}, {"c.png", 1000}, {"d.bin", 5000}}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'x'));
        }
        auto window = newWindow();
        window->LocalDirEdit->setText(folder.path());
        QTest::keyClick(window->LocalDirEdit, Qt::Key_Return);
        QCOMPARE(window->currentPcFolder(), folder.path().toStdString());
        QCOMPARE(column(window->LocalFileView, 0),
                 QStringList({"..", "sub", "a.txt", "b.txt", "c.png", "d.bin"}));
        window->findChild<QAction*>("LocalSortBySize")->trigger();
        QCOMPARE(column(window->LocalFileView, 0).mid(0, 2), QStringList({"..", "sub"}));
        QCOMPARE(column(window->LocalFileView, 0).last(), QStringLiteral("d.bin"));
        QCOMPARE(column(window->LocalFileView, 1), QStringList({"", "", "1,000", "1,000", "1,000", "5,000"}));
        QCOMPARE(window->LocalFileView->topLevelItem(1)->icon(0).cacheKey(),
                 window->LocalFileView->topLevelItem(0)->icon(0).cacheKey()); // both folder pictures
        clickHeader(window->LocalFileView, 0);
        QCOMPARE(column(window->LocalFileView, 0),
                 QStringList({"..", "sub", "a.txt", "b.txt", "c.png", "d.bin"}));

        QVERIFY(window->StatusBar->panelText(0).startsWith(QStringLiteral("0バイト [空き容量 ")));
        for (int row = 2; row <= 4; ++row)
            window->LocalFileView->topLevelItem(row)->setSelected(true);
        QVERIFY(window->StatusBar->panelText(0).startsWith(QStringLiteral("2.93Kバイト [空き容量 ")));
        QCOMPARE(window->attachedLocalPopup(), window->LocalFileItemPopup);
        QCOMPARE(window->LocalFileItemPopup->defaultAction()->objectName(),
                 QStringLiteral("SendToPocketforge"));
        window->LocalFileView->clearSelection();
        window->LocalFileView->topLevelItem(1)->setSelected(true);
        QCOMPARE(window->LocalFileItemPopup->defaultAction()->objectName(), QStringLiteral("LocalOpen"));
        window->LocalFileView->clearSelection();
        QCOMPARE(window->attachedLocalPopup(), window->LocalFileViewPopup);

        window->LocalDirEdit->setText(folder.filePath("missing"));
        QTest::keyClick(window->LocalDirEdit, Qt::Key_Return);
        QCOMPARE(m_prompt.errors, QStringList({"指定されたディレクトリが見つかりません"}));
        QCOMPARE(window->LocalFileView->topLevelItemCount(), 0);
        QCOMPARE(window->currentPcFolder(), folder.path().toStdString());
    }

    void logSaveBothFormatsAndClear() {
        auto window = newWindow();
        window->ProtocolMonitor->appendLine("ls -l /rom0", clLogCommand);
        window->ProtocolMonitor->appendLine("\x83\x5c\x83\x74\x83\x67 200 OK", clLogReply);
        window->ProtocolMonitor->appendLine("(ABORTED)", clLogMarker);
        const QString rtf = m_folder->filePath("log.rtf");
        QString offered;
        answerModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
            offered = nameBox->text();
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            QTest::keyClick(types, Qt::Key_Down);
            QCOMPARE(nameBox->text(), QStringLiteral("名称未設定.rtf"));
            QTest::keyClick(types, Qt::Key_Up);
            QCOMPARE(nameBox->text(), QStringLiteral("名称未設定.txt"));
            QTest::keyClick(types, Qt::Key_Down);
            nameBox->setText(rtf);
            static_cast<QDialog*>(dialog)->accept();
        });
        window->LogSaveClick();
        QCOMPARE(offered, QStringLiteral("名称未設定.txt"));
        QFile rich(rtf);
        QVERIFY(rich.open(QIODevice::ReadOnly));
        const QByteArray rtfBytes = rich.readAll();
        QVERIFY(rtfBytes.startsWith("{\\rtf1"));
        QVERIFY(rtfBytes.contains("\\cf1 ls -l /rom0\\par"));
        QVERIFY(rtfBytes.contains("\\cf2 \\'83\\'5c\\'83\\'74\\'83\\'67 200 OK\\par"));

        const QString text = m_folder->filePath("log.txt");
        answerModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(text);
            static_cast<QDialog*>(dialog)->accept();
        });
        window->LogSaveClick();
        QCOMPARE(offered, QStringLiteral("名称未設定.txt"));
        QFile plain(text);
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QCOMPARE(plain.readAll(),
                 QByteArray("ls -l /rom0\r\n\x83\x5c\x83\x74\x83\x67 200 OK\r\n(ABORTED)\r\n"));

        window->findChild<QAction*>("LogClear")->trigger();
        QVERIFY(window->ProtocolMonitor->lines().empty());
        QVERIFY(window->ProtocolMonitor->toPlainText().isEmpty());
        window->ProtocolMonitor->appendLine("df", clLogCommand);
        QCOMPARE(window->ProtocolMonitor->toPlainText(), QStringLiteral("df"));
    }

    void logDropsTheOldestLinesAtItsLimit() {
        ProtocolLogView log(nullptr, 20);
        for (const char* line : {"aaaa", "bbbb", "cccc", "dddd", "eeee"})
            log.appendLine(line, clLogReply);
        QCOMPARE(log.characterTotal(), std::size_t(20));
        log.appendLine("ffffffff", clLogCommand);
        QVERIFY(log.characterTotal() <= 20);
        QCOMPARE(log.toPlainText(), QStringLiteral("dddd\neeee\nffffffff"));
        QCOMPARE(log.lines().size(), std::size_t(3));
        log.appendLine(std::string(30, 'z'), clLogCommand);
        QCOMPARE(log.toPlainText(), QString(19, 'z'));
    }

    void unbuiltCommandsAreVisiblyDisabled() {
        auto window = newWindow();
        for (const char* name : {"Defrag", "Newfs", "AboutPocketforge", "Upgrade", "Backup", "CreateFolder",
                                 "LocalOpen", "SendToPocketforge", "RemoteDelete", "SetInfo"}) {
            auto* action = window->findChild<QAction*>(name);
            QVERIFY2(action && !action->isEnabled(), name);
        }
        QVERIFY(!window->SendButton->isEnabled());
        QVERIFY(window->findChild<QAction*>("Connect")->isEnabled());
        QCOMPARE(window->AboutFrm->windowTitle(), QStringLiteral("Ferrymateについて"));
        QCOMPARE(window->AboutFrm->size(), QSize(318, 182));
    }
};

QTEST_MAIN(TestMainFrm)
#include "tst_main_frm.moc"
