// Stands in for a library's sources until it has some.
