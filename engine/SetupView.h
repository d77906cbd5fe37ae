// What the installation shows of itself and reads of the user's choices on
// the window that runs it: the wizard implements it over its own controls,
// tests record through it. The engine knows no window but this.
#pragma once

#include <cstdint>
#include <string>

class SetupView {
 public:
  virtual ~SetupView() = default;

  // --- the copy's progress page
  // The label of the file under copy; a caption it already shows stays.
  virtual void ShowCopyCaption(const std::string& caption) = 0;
  // The label of the bytes copied so far.
  virtual void ShowBytesCopied(const std::string& caption) = 0;
  // Draws progress bar `index` (0: the file, 1: the whole installation) at
  // value of maximum, without yielding; nothing for another index.
  virtual void DrawProgress(int32_t index, int32_t value, int32_t maximum) = 0;

  // --- once the payload is copied
  // The quit pictures take no more clicks, for the rest of the program.
  virtual void DisableQuitPictures() = 0;
  virtual void StopClock() = 0;

  // --- the please-wait window
  virtual void ShowPleaseWait() = 0;
  virtual void SetPleaseWaitCaption(const std::string& caption) = 0;
  // Repaints it at once.
  virtual void RefreshPleaseWait() = 0;
  virtual void UnloadPleaseWait() = 0;

  // --- the user's choices: the values of the two check boxes (0 clear,
  // 1 ticked, 2 greyed)
  // "Esegui subito dopo l'installazione".
  virtual int AutoEseguiValue() = 0;
  // "Crea collegamento anche su Desktop".
  virtual int DeskShortValue() = 0;
};

// The view the installation was handed (RunInstallation keeps it for the
// rest of the process, which it ends); tests set one directly. Until then,
// and after SetSetupView(nullptr), a view that shows nothing and whose boxes
// are clear.
SetupView& TheSetupView();
void SetSetupView(SetupView* view);
