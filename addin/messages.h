#pragma once

// Refusals of the insert and save commands.
namespace vexo::messages {

inline constexpr char kNoWorkbook[] =
    "Kein aktives Arbeitsblatt. Bitte öffnen Sie eine Arbeitsmappe.";
inline constexpr char kNoDocument[] = "Kein aktives Dokument. Bitte öffnen Sie ein Dokument.";
inline constexpr char kNoForm[] = "Kein Formular geöffnet. Bitte öffnen Sie ein Formular.";
inline constexpr char kProtectedDocument[] =
    "Dieses Dokument ist geschützt.\r\nGeschützte Dokumente werden von diesem Add-In nicht "
    "unterstützt.";
inline constexpr char kNoVexoField[] =
    "In diesem geschützten Dokument wurde kein Textformularfeld mit dem Name \"Vexo\" "
    "gefunden.\r\nHeben Sie den Dokumentschutz auf und fügen Sie ein entsprechendes "
    "Formularfeld ein.";
inline constexpr char kNoNumberInForm[] = "Das Formular enthält keine Rechnungsnummer unter ";
inline constexpr char kNoActiveDocument[] =
    "Es gibt kein aktives Dokument, in dem die Rechnungsnummer gespeichert werden kann.";

}  // namespace vexo::messages
