// placeholder until the first platform source lands.
