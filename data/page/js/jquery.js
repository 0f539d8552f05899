// Every page links this file by name; the reader's pages need nothing from it, so it stays empty.
