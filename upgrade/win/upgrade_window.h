// The upgrade window: it closes the monitor, binds featlink, reads the mouse's DFU
// version, and one second after it appears has the worker upload the image named in
// config.ini, showing each accepted block on its progress bar. It ends with the success
// notice (and the monitor started again) or stays open behind the failure notice.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"
#include "upgrade/firmware_buffer.h"
#include "upgrade/win/featlink_entry_points.h"
#include "upgrade/win/progress_bar.h"
#include "upgrade/win/upload_worker.h"

namespace tesh::upgrade {

class UpgradeWindow : public skin::SkinnedDialog {
  public:
    // `directory` is the upgrader's own folder, with a trailing backslash.
    explicit UpgradeWindow(std::string directory);
    ~UpgradeWindow() override;

    // Creates and sets the window up, then runs it until it closes.
    void Run();
    // True when the worker had not ended when the window closed: it may still use this
    // object and the library, so neither may go away before the process ends.
    bool workerStillRunning() const { return workerStillRunning_; }

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnKey(WPARAM key) override;
    void PaintOver(HDC dc) override;

  private:
    bool Create();
    void SetUp();
    void CreateProgressBar();
    void OnStartTimer();
    void OnBlockAccepted(WPARAM block);
    void OnResult(bool succeeded);
    void OnDestroy();

    std::string directory_;
    std::string imagePath_;
    std::string dfuVersionText_;
    // The image, written by this thread only before the worker is woken.
    std::unique_ptr<FirmwareBuffer> image_;
    FeatlinkEntryPoints featlink_;
    std::unique_ptr<UploadWorker> worker_;
    skin::SkinButton exit_;
    ProgressBar progress_;
    skin::OwnedFont font_;
    bool deviceOpened_ = false;
    bool restartMonitor_ = false;
    bool workerStillRunning_ = false;
};

}  // namespace tesh::upgrade
