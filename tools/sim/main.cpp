// Placeholder until the simulated indicator lands.
int main() { return 0; }
