#pragma once
// Makes the skinned edit and memo known to stored window definitions, with
// their binding's stored settings ("SkinData.CustomColor", "SkinData.CustomFont",
// "SkinData.SkinSection"). Safe to call more than once.
void RegisterSkinnedEditClasses();
