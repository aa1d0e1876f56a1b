#include <cstdio>

int main() {
  std::fputs("numbrella: the program has no window yet.\n", stderr);
  return 1;
}
