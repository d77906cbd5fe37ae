// The check of the installation folder that the user typed or chose on the
// wizard's folder page. Windows build only.
#pragma once

#include <string>

// Cleans `path` up in place (blanks around it and trailing backslashes
// removed; the clean form stays written back whatever the outcome) and
// decides whether it can take the installation. Returns True when the
// folder is rejected, after telling the user why in a message box titled
// SoftwareHouseName & " setup":
// - a drive that is not "X:", a character a path cannot hold after the
//   drive, a network path ("\\"), or a folder relative to a drive's current
//   folder ("C:Name"): a beep and the message;
// - a folder so long that a file the installation puts below it (the file
//   list's, read from the work folder, or its records) would pass the
//   system's longest path: a beep and "Percorso troppo LUNGO per i file da
//   installare.", before anything is asked or created;
// - an existing folder, or one just created, in which no file can be
//   created: a beep and "Impossibile scrivere nel percorso scelto.";
// - an existing folder holding ordinary files: a beep and the question
//   whether to overwrite them; No rejects ("Specificare un altro percorso e
//   riprovare.");
// - a missing folder: the question whether to create it; No rejects as
//   above, Yes creates every missing folder along the path and rejects only
//   when that failed (CreatePath has said so);
// - a folder whose files cannot be listed: a beep and "Percorso errato o
//   errore non previsto.".
// Returns False when the folder exists (empty, or the user agreed to
// overwrite) or has just been created.
bool CheckTargetPath(std::string& path);

// The program group typed or picked on the options page: True (rejected,
// after a beep and "Il percorso contiene caratteri NON consentiti.", titled
// as above) when it holds a character that a folder cannot hold.
bool CheckProgramGroup(const std::string& group);
