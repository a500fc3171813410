// The monitor's device core: the flags the threads share, the channel to the mouse,
// every report and sequence, the sensor scanner and the connection, over one
// settings image. The device worker runs its jobs through RunJob; the window thread
// calls the rest directly.
//
// The settings image has one lock: a device job holds it from start to end, and the
// window thread holds it for everything it does with the image (refresh, apply, the
// sensor reports). So an Apply that comes during a read-all runs after it, on the
// mouse's settings, instead of on a half-read image.
#pragma once

#include <mutex>
#include <string>

#include "monitor/connection.h"
#include "monitor/device_channel.h"
#include "monitor/device_reports.h"
#include "monitor/device_sequences.h"
#include "monitor/host_ports.h"
#include "monitor/sensor_image.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

class DeviceCore {
  public:
    // `image` and the ports outlive the core; `programDirectory` ends with a separator.
    DeviceCore(SettingsSet& image, const std::string& programDirectory,
               const DeviceCorePorts& ports);

    // A device job (thread message 1649): dropped unless the mouse is connected; the
    // busy flag is 1 while it runs. Unknown jobs do nothing. Holds the image lock.
    void RunJob(int job, int argument);

    // Taken before the channel's exchange lock and the shared block's mutex, never after.
    std::mutex& imageLock() { return imageLock_; }

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
    LinkHost& host_;
    DeviceChannel channel_;
    DeviceReports reports_;
    DeviceSequences sequences_;
    SensorScanner sensor_;
    Connection connection_;
};

}  // namespace tesh::monitor
