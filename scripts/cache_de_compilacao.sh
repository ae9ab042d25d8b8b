# Sourced by the build scripts: when ccache is there, every compilation goes
# through it, with paths taken relative to the checkout, so that a second
# clone or a rebuilt folder reuses what was compiled before. Sets `lancador`.
lancador=()
if command -v ccache >/dev/null 2>&1; then
  lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$raiz" CCACHE_NOHASHDIR=true
  # The precompiled headers can be cached only when their defines and the
  # headers' times are not part of the key.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi
