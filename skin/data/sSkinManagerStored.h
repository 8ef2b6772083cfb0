#pragma once
// The skin manager as a class of stored form definitions: made with the
// program's window side, its stored settings applied in their stored order
// while the form loads. Windows only (the form reader is the toolkit's).
//
// Settings it reads: ExtendedBorders; InternalSkins, a collection whose items
// set Name, Shadow1Color, Shadow1Offset, Shadow1Transparency and Data (the
// name of a data resource of the program holding the package);
// MenuSupport.IcoLineSkin, MenuSupport.UseExtraLine,
// MenuSupport.ExtraLineFont.Name/.Height/.Color; SkinDirectory; SkinName; and
// ThirdParty.<list> for each list of kThirdListNames, as text with one class
// name a line (CR LF between lines).

// Registers the class "TsSkinManager" and its settings with the form reader; once is enough.
void RegisterSkinManagerClass();
