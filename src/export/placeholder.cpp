// The library's start-up and export frame land here.
