# bash completion for geoweave. Installed as
# share/bash-completion/completions/geoweave, where bash-completion loads it
# on first use; or source it from ~/.bashrc.

_geoweave() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  case $prev in
    --out)
      # Directories only: --out names the folder the files go into.
      local IFS=$'\n'
      COMPREPLY=($(compgen -d -- "$cur"))
      return 0
      ;;
    --seed | --width | --zoom | --corner-range | --land | --rivers | --turns | \
      --share-cap | --shade | --map-width | --cube | --gltf-mesh | --gltf-texture | \
      --gltf-radius | --gltf-relief | --gltf-exaggerate)
      # A number: nothing to offer.
      COMPREPLY=()
      return 0
      ;;
  esac
  local options="--seed --random-seed --width --zoom --corner-range --land --rivers --turns
    --share-cap --shade --out --map-width --frames --geotiff --geojson --globe --cube --gltf
    --gltf-mesh --gltf-texture --gltf-radius --gltf-relief --gltf-exaggerate --river-overlay
    --bold-rivers --world-files --raw --quiet -h --help --version"
  COMPREPLY=($(compgen -W "$options" -- "$cur"))
}

complete -F _geoweave geoweave
