// Stands in for a source of a layer, so that its probe target gets that layer's flags.
