// Links one floor of the core whole, with only the floors below it: a call to a floor above is an
// undefined symbol, and the build stops there.
int main() { return 0; }
