#pragma once

/// Command numbers of the window: menus, accelerators, tool bar and start page
/// refer to commands by these ids.
namespace CommandIds {

inline constexpr int FileNewEstimate = 32773;
inline constexpr int FileNewQuote = 32774;
inline constexpr int FileNewInvoice = 32775;
inline constexpr int FileNewCreditNote = 32776;
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileImport = 32817;
inline constexpr int FileExportPdf = 32870;
inline constexpr int FileSendMail = 32871;
inline constexpr int FileNewInvoiceFromThis = 32872;
inline constexpr int FileNewCreditNoteFromThis = 32873;
inline constexpr int FileDuplicate = 32874;
/// Getting paid: a payment reminder for the active invoice.
inline constexpr int FileReminder = 32896;
inline constexpr int FileExportEInvoice = 32876;
inline constexpr int AppExit = 57665;

inline constexpr int Options = 32794;
inline constexpr int BusinessInformation = 32841;
inline constexpr int LogoCentre = 32843;
inline constexpr int LogoLeft = 32844;
inline constexpr int LogoRight = 32845;

inline constexpr int ViewMaterials = 32823;
inline constexpr int ViewHire = 32827;
inline constexpr int ViewTravel = 32825;
inline constexpr int ViewLabour = 32824;
inline constexpr int ViewLabourBreakdown = 32826;
inline constexpr int ViewPayments = 32846;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewDocuments = 32875;
inline constexpr int ViewCustomers = 32877;
inline constexpr int ViewZoomIn = 32860;
inline constexpr int ViewZoomOut = 32861;
inline constexpr int ViewZoomFit = 32862;

inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int WindowArrange = 57649;

inline constexpr int ViewNextTab = 32832;
inline constexpr int ViewPreviousTab = 32833;
/// View, Tabs: the document's tabs by number (Alt+1 to Alt+9).
inline constexpr int ViewTabFirst = 32880;
inline constexpr int ViewTabCount = 9;
/// Edit: the row commands of the grid that has the focus.
inline constexpr int EditInsertRow = 32890;
inline constexpr int EditDeleteRow = 32891;
inline constexpr int EditMoveRowUp = 32892;
inline constexpr int EditMoveRowDown = 32893;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;

inline constexpr int HelpContents = 32838;
inline constexpr int AppAbout = 57664;

} // namespace CommandIds
