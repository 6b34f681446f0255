// placeholder so that the folder builds
