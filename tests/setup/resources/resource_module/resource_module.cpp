// A library that carries nothing but the program's compiled resources, so that
// the tests can look them up in a module as the program looks them up in itself.
