// The wizard pages' fixed texts and the little they compute: the summary of
// page 5 and the toggle of a check box by its caption label. Portable; text
// is code page 1252.
#pragma once

#include <string>

#include "toolkit/Host.h"

namespace Pages {

// The instruction line (SelPath) of the folder, group and summary pages.
inline constexpr const char* FolderInstruction =
    "Occorre selezionare la cartella in cui si desidera installare l'applicazione. Fare clic sul pulsante di "
    "fianco al percorso per sfogliare le cartelle.";
inline constexpr const char* GroupInstruction =
    "Digitare il nome del Gruppo di programmi in cui verranno create le icone, oppure scegliere un gruppo tra "
    "quelli già esistenti.";
inline constexpr const char* SummaryInstruction =
    "Il programma di installazione ha tutte le informazioni necessarie per procedere con la copia dei file. Se "
    "si desidera rivedere o modificare qualche impostazione, fare clic su «Indietro»,  altrimenti fare clic su "
    "«Avanti» per iniziare la copia dei files.";

// Next on the licence page while the licence is refused; the title is the
// wizard window's caption.
inline constexpr const char* LicenceRefused = "Per procedere OCCORRE accettare la LICENZA D'USO.";
inline constexpr int LicenceRefusedStyle = tk::vbCritical;

// The title of the folder-browse dialog.
inline constexpr const char* BrowseTitle = "Scegliere il percorso per l'installazione.";

// The summary of page 5, six lines joined by CR LF: an empty line, the
// folder's heading, five blanks and the folder, an empty line, the group's
// heading, five blanks and the group (no line break after it).
std::string SummaryText(const std::string& folder, const std::string& group);

// A check box's value after a click on its caption label: |value - 1|, so
// unticked (0) and ticked (1) swap and greyed (2) becomes ticked.
int ToggledCheckValue(int value);

}  // namespace Pages
