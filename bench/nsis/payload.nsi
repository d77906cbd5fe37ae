; An uncompressed, silent NSIS installer of a benchmark payload, for
; bench/table.sh. makensis -DPAYLOAD=<folder> -DOUTFILE=<exe> payload.nsi
; The installer copies every file of PAYLOAD into its installation folder,
; given on its command line as /D=<folder>. It is 64-bit, as the Wine here
; runs only 64-bit programs. Its integrity check stays on, as in any
; installer built with the defaults.
Target amd64-unicode
SetCompress off
SilentInstall silent
RequestExecutionLevel user
Name "Bench"
OutFile "${OUTFILE}"
InstallDir "$TEMP\Bench"

Section
  SetOutPath "$INSTDIR"
  File "${PAYLOAD}/*"
SectionEnd
