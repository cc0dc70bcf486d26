#pragma once

struct BenchViewer;

// Milliseconds from the last of `keys` full-stop keys, posted `apartMs` apart to the focused year button
// as a key held down posts them, until the ad they lead to is painted; -1 when a key was lost or merged.
double burstLagMilliseconds(BenchViewer& viewer, int button, int keys, int apartMs);

// The peak growth of resident memory, in bytes, while stepping through every ad of the year in the zoomed
// view, from the program at rest in the normal view; settled lets the workers end after each step.
long long zoomedSteppingGrowth(BenchViewer& viewer, int button, bool settled);
