// The monitor's device core: the flags the threads share, the channel to the mouse,
// every report and sequence, the sensor scanner and the connection, over one
// settings image. The device worker runs its jobs through RunJob; the window thread
// calls the rest directly.
//
// The settings image has one lock, held only while the image is read or changed: never
// across an exchange with the mouse, nor across a call that lets other programs' sent
// messages in. So the window thread answers its messages while a job waits for a busy
// mouse, and an unplug cancels the job at its next pause.
#pragma once

#include <mutex>
#include <string>

#include "monitor/connection.h"
#include "monitor/device_channel.h"
#include "monitor/device_reports.h"
#include "monitor/device_sequences.h"
#include "monitor/host_ports.h"
#include "monitor/quib_lights.h"
#include "monitor/sensor_image.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

class DeviceCore : public QuibLights {
  public:
    // `image` and the ports outlive the core; `programDirectory` ends with a separator.
    DeviceCore(SettingsSet& image, const std::string& programDirectory,
               const DeviceCorePorts& ports);

    // A device job (thread message 1649): dropped unless the mouse is connected and the
    // monitor goes on; the busy flag is 1 while it runs. Unknown jobs do nothing.
    void RunJob(int job, int argument);

    // Taken before the channel's exchange lock and the shared block's mutex, never after.
    // Not held when calling the reports, the sequences or the sensor scanner.
    std::mutex& imageLock() { return imageLock_; }

    // Queued as device jobs, so that a busy mouse never holds up the window thread.
    void SendQuibLight(uint8_t a, uint8_t b, uint8_t c) override;
    void SendAmbientLight(const AmbientRecord& record) override;

    DeviceFlags& flags() { return flags_; }
    DeviceChannel& channel() { return channel_; }
    DeviceReports& reports() { return reports_; }
    DeviceSequences& sequences() { return sequences_; }
    SensorScanner& sensor() { return sensor_; }
    Connection& connection() { return connection_; }

  private:
    void ReadAllJob();

    DeviceFlags flags_;
    std::mutex imageLock_;
    std::mutex ambientLock_;
    AmbientRecord ambient_{};
    LinkHost& host_;
    DeviceChannel channel_;
    DeviceReports reports_;
    DeviceSequences sequences_;
    SensorScanner sensor_;
    Connection connection_;
};

}  // namespace tesh::monitor
