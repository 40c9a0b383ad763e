#pragma once
// TMainFrm, Ferrymate's main window: the PC folder on the left, one
// cartridge area on the right, the connection picture and the transfer
// buttons between them, the protocol log below and the status bar at the
// bottom. It owns the two listings, the layout records, the serial settings
// and the one open port ("connected" means it holds one).

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/comm_port_settings.h"
#include "ferrymate/listing/local_file_list_vector.h"
#include "ferrymate/listing/remote_file_list_vector.h"
#include "ferrymate/listing/view/image_list.h"
#include "ferrymate/listing/view/shell_icons.h"
#include "ferrymate/platform/settings_store.h"
#include "ferrymate/window/control_info.h"
#include "ferrymate/window/pictures.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QComboBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace pf {

class ClickablePicture;
class Prompt;
class ProtocolLogView;
class StatusPanels;
class TAboutFrm;
class TCommSettingFrm;
class TConnectingFrm;
class TOSProgressFrm;
class TPFAboutFrm;
class TProgressFrm;

// The frame, caption and menu bar that the design's outer size of 640 x 480
// includes around its 632 x 434 client area. The window's "outer size" is
// its client area plus these, whatever the window manager draws.
inline constexpr int kOuterExtraWidth = 8;
inline constexpr int kOuterExtraHeight = 46;

class TMainFrm : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window (start-up steps 2 to 4) and the secondary windows.
    TMainFrm(SettingsStore settings, Prompt& prompt, QWidget* parent = nullptr);
    ~TMainFrm() override;

    // Controls, by their names.
    QFrame* TopLine = nullptr;
    ClickablePicture* MegButton = nullptr;
    QGroupBox* LocalGroupBox = nullptr;
    QLineEdit* LocalDirEdit = nullptr;
    QPushButton* DirSelButton = nullptr;
    QTreeWidget* LocalFileView = nullptr;
    QGroupBox* RemoteGroupBox = nullptr;
    QComboBox* RemoteDirCombo = nullptr;
    QTreeWidget* RemoteFileView = nullptr;
    QToolButton* SendButton = nullptr;
    QToolButton* RecvButton = nullptr;
    QGroupBox* MonitorGroupBox = nullptr;
    ProtocolLogView* ProtocolMonitor = nullptr;
    StatusPanels* StatusBar = nullptr;
    QLabel* ConnStatus = nullptr;
    QFileDialog* LogSaveDialog = nullptr;

    QMenu* LocalFileViewPopup = nullptr;
    QMenu* LocalFileItemPopup = nullptr;
    QMenu* RemoteFileViewPopup = nullptr;
    QMenu* RemoteFileItemPopup = nullptr;

    // Secondary windows, created in this order after the window itself.
    TAboutFrm* AboutFrm = nullptr;
    TPFAboutFrm* PFAboutFrm = nullptr;
    TCommSettingFrm* CommSettingFrm = nullptr;
    TProgressFrm* ProgressFrm = nullptr;
    TConnectingFrm* ConnectingFrm = nullptr;
    TOSProgressFrm* OSProgressFrm = nullptr;

    bool connected() const { return m_port != nullptr; }
    TCommPort* port() const { return m_port.get(); }
    const CommPortSettings& portSettings() const { return m_portSettings; }
    const LocalFileListVector& localListing() const { return m_localListing; }
    const RemoteFileListVector& remoteListing() const { return m_remoteListing; }
    const std::string& currentPcFolder() const { return m_currentPcFolder; }
    ConnectionPicture shownPicture() const { return m_shownPicture; }
    // The context menu attached to a view (null: none).
    QMenu* attachedLocalPopup() const { return m_localPopup; }
    QMenu* attachedRemotePopup() const { return m_remotePopup; }
    const ControlInfoTable& controlInfo() const { return m_controlInfo; }

    // The outer size, as the layout and the settings see it.
    QSize outerSize() const;
    void setOuterSize(int width, int height);

    void OpenConnection();
    void CloseConnection();
    // The area path of the current RemoteDirCombo item: "/rom0" or "/ram0".
    std::string currentArea() const;

  public slots:
    void ConnectClick();
    void DisconnectClick();
    void MegButtonClick();
    void CommSettingClick();
    void CancelButtonClick();
    void LogSaveClick();
    void LogSaveDialogTypeChange(const QString& filter);
    void LogClearClick();
    void ExitClick();
    void AboutFerrymateClick();
    void LocalFileListRefreshClick();
    void RemoteFileListRefreshClick();
    void RemoteDirComboChange(int index);
    void LocalSortByNameClick() { SortView(*LocalFileView, 0); }
    void LocalSortBySizeClick() { SortView(*LocalFileView, 1); }
    void LocalSortByDateClick() { SortView(*LocalFileView, 2); }
    void RemoteSortByNameClick() { remoteSortCommand(0); }
    void RemoteSortBySizeClick() { remoteSortCommand(1); }
    void RemoteSortByDateClick() { remoteSortCommand(2); }
    void FileViewColumnClick(QTreeWidget& view, int column);
    void LocalFileViewChange();
    void RemoteFileViewChange();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls(QWidget* client);
    void buildMenus();
    void buildPopups();
    void createSecondaryWindows();
    void takeControlInfo();
    void FormResize();
    void readPlacement();
    void readLocation();
    void applyStoredPortDevices();
    void saveWindowSettings();
    void saveCommSettings();
    std::int32_t readInteger(const char* name, std::int32_t fallback) const;

    void refreshLocalList();
    void SortView(QTreeWidget& view, int order);
    void FillLocalView();
    void FillRemoteView();
    void UpdateSelectionStatus(QTreeWidget& view);
    void chooseLocalPopup();
    void chooseRemotePopup();
    void remoteSortCommand(int order);
    void showPicture(ConnectionPicture which);
    void designateLog();
    void appendMarker(const char* marker);
    void message(const QString& text);
    void setWindowEnabled(bool enabled);

    SettingsStore m_settings;
    Prompt& m_prompt;
    std::unique_ptr<TCommPort> m_port;
    CommPortSettings m_portSettings;
    LocalFileListVector m_localListing;
    RemoteFileListVector m_remoteListing;
    ImageList m_images;
    ShellIcons m_shellIcons;
    ControlInfoTable m_controlInfo;
    std::string m_currentPcFolder;
    int m_localSortOrder = 0;
    int m_remoteSortOrder = 0;
    ConnectionPicture m_shownPicture = ConnectionPicture::Disconnected;
    QMenu* m_localPopup = nullptr;
    QMenu* m_remotePopup = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_sendAction = nullptr;
    bool m_shownOnce = false;
};

} // namespace pf
