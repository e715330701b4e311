// Section analysis entry points not yet provided: none at present.
