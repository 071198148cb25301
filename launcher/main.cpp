// Kubrel entry point (placeholder until the launcher is built).
int main() { return 0; }
