// Compiles the test programs' shared precompiled header; the object itself is never linked.
