#pragma once

// The pictures of glodanje-batch: the cutter view and the oscillograph as PNG as they stand at
// the end of the run, and the run recorded as an animated GIF.

#include "batch/batch_run.h"

#include <memory>

namespace batch {

// Follows the run as the window does: the oscillograph's series are refilled at every feed
// (so the chart shows the traces as fed, before the tick scrolls them), and the cutter view is
// drawn once at the end with the phase of the last redraw, which is the picture the window
// would show (nothing the picture depends on changes after a run's last redraw).
// With --gif, the recording follows the run from its start (recording::RunRecording). The
// oscillograph and the recording need a QGuiApplication.
std::unique_ptr<RunPictures> MakePngPictures(const BatchOptions& options);

} // namespace batch
