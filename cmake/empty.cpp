// Placeholder so that a source folder with no code yet still forms a library.
