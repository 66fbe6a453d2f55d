#pragma once

// The PNG pictures of glodanje-batch: the cutter view and the oscillograph as they stand at the
// end of the run.

#include "batch/batch_run.h"

#include <memory>

namespace batch {

// Follows the run as the window does: the oscillograph's series are refilled at every feed
// (so the chart shows the traces as fed, before the tick scrolls them), and the cutter view is
// drawn once at the end with the phase of the last redraw, which is the picture the window
// would show (nothing the picture depends on changes after a run's last redraw).
// The oscillograph needs a QApplication.
std::unique_ptr<RunPictures> MakePngPictures(const BatchOptions& options);

} // namespace batch
