#pragma once

// The windows are laid out for Tahoma. Where the system has no Tahoma of its own, the metric twin
// that Debian ships with its fonts-wine package is loaded into the application.
void loadTahoma();
