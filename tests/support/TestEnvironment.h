#pragma once
// Before a GUI test's application object exists: the offscreen platform and a private runtime
// folder, unless the environment already names them (test discovery runs the executables
// outside CTest's environment as well).
namespace testsupport {
void PrepareGuiTestEnvironment();
} // namespace testsupport
