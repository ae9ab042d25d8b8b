#pragma once
// A piece of a test run in a child process, whose limits, user and mounts
// the test does not share, or that races with another child.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace cifra::teste {

// Starts f in a child; the child ends with f's value and runs no destructor
// of the parent's objects.
inline pid_t Inicia(const std::function<int()>& f) {
  const pid_t filho = ::fork();
  if (filho == 0) ::_exit(f());
  return filho;
}

// The child's exit status, or 100 when it was killed.
inline int Termina(pid_t filho) {
  int estado = 0;
  ::waitpid(filho, &estado, 0);
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : 100;
}

inline int EmOutroProcesso(const std::function<int()>& f) { return Termina(Inicia(f)); }

}  // namespace cifra::teste
