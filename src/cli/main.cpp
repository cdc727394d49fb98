#include <cstdio>

int main() {
  std::puts("kpa");
  return 0;
}
