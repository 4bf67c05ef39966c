#pragma once

// Fills the HierarchyTree (with its headings coloured) and then the AlphabeticalTree.
// Called once at start-up, with both trees empty.
void LoadCatalogue();
