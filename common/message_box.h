// message_box.h -- what a port must provide to tell the user about a failure
#pragma once

// A message box without owner window: error icon, or information icon.
void ShowErrorMessage(const char *text, const char *caption);
void ShowInformationMessage(const char *text, const char *caption);
// Ends the message loop with exit code 0 (a failure that makes the game impossible).
void RequestQuit();
